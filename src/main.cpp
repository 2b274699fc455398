// sort10: reads ten integers as scanf's "%d" does and writes them in descending order,
// each followed by a tab. A number beyond the int range becomes the nearer limit, a value
// that could not be read is 0, and either is said on standard error and in the exit status.

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <conio.h>
#include <windows.h>
#endif

static_assert(sizeof(int) == 4, "the values are 32-bit integers");

static constexpr int count = 10;
static constexpr int quote = 24; // a diagnostic quotes at most this much of a number

// What one read saw: a value, or where and why it stopped.
struct reading {
	enum { none, exact, range } what; // range: the value is the nearer limit
	int value;                        // 0 where none was read
	int sign;                         // the sign taken, '+' or '-', or 0
	bool skipped;                     // white space came first
	int stop;                         // none: the byte it stopped at, or EOF
	int err;                          // none, at a read error: its errno, else 0
	char text[quote + 4];             // the number less leading zeros; past quote, "..."
};

// What the ten reads came to: how many failed, how many were out of range.
struct tally {
	int failed, wide;
	reading why, over; // the first to fail, the first out of range
	int err;           // the errno of a read error, which the reads after it report too
};

// Puts the ten values behind a into non-increasing order, in place.
static void sorting(int *a)
{
	for (int i = 0; i < count; i++)
		for (int j = i + 1; j < count; j++)
			if (a[i] < a[j]) {
				int temp = a[i];
				a[i] = a[j];
				a[j] = temp;
			}
}

// The next byte of standard input, or EOF; at a read error, *err takes errno (before ferror).
static int next(int *err)
{
	const int c = std::getchar();
	if (c != EOF)
		return c;
	const int e = errno;
	if (std::ferror(stdin))
		*err = e != 0 ? e : EIO;
	return c;
}

// Takes into r the digits from c on, and returns the byte after them. The
// magnitude stops growing past the limit, so no number of digits overflows.
static int number(reading *r, int c, int *err)
{
	const long long limit = r->sign == '-' ? -static_cast<long long>(INT_MIN) : INT_MAX;
	long long m = 0;
	int n = 0;
	if (r->sign != 0)
		r->text[n++] = static_cast<char>(r->sign);
	for (; c >= '0' && c <= '9'; c = next(err)) {
		if (m <= limit)
			m = m * 10 + (c - '0');
		if (m != 0 && n < quote) // (leading zeros are left out of the quote)
			r->text[n++] = static_cast<char>(c);
		else if (m != 0)
			std::memcpy(r->text + quote, "...", 3);
	}
	r->what = m > limit ? reading::range : reading::exact;
	r->value = static_cast<int>((r->sign == '-' ? -1 : 1) * (m > limit ? limit : m));
	return c;
}

// Reads one integer as "%d" does, a byte at a time so that no input costs memory, and
// leaves the byte it stops at unread. It writes nothing: complain() says what went wrong.
static reading readint(int *err)
{
	reading r{};
	int c = EOF;
	// Once input has ended, a console would wait for more: read no further.
	if (!std::feof(stdin) && !std::ferror(stdin))
		while ((c = next(err)) == ' ' || (c >= '\t' && c <= '\r')) // \t \n \v \f \r
			r.skipped = true;
	if (c == '+' || c == '-') {
		r.sign = c;
		c = next(err);
	}
	if (c >= '0' && c <= '9')
		c = number(&r, c, err);
	else {
		r.stop = c;
		r.err = std::ferror(stdin) ? *err : 0;
	}
	if (c != EOF)
		std::ungetc(c, stdin);
	return r;
}

// Counts the read r into t, and gives its value.
static int tallied(tally *t, const reading &r)
{
	if (r.what == reading::none && t->failed++ == 0)
		t->why = r;
	if (r.what == reading::range && t->wide++ == 0)
		t->over = r;
	return r.value;
}

// Says why the read r stopped without a value; start: at the input's first
// byte, where a byte-order mark would stand.
static void stopped(const reading &r, bool start)
{
	if (r.err != 0)
		std::fprintf(stderr, "read error: %s", std::strerror(r.err));
	else if (r.sign != 0)
		std::fprintf(stderr, "'%c' without digits", r.sign);
	else if (r.stop == EOF)
		std::fputs("input ended", stderr);
	else if (start && (r.stop == 0xef || r.stop == 0xfe || r.stop == 0xff))
		std::fprintf(stderr,
		             "stopped at byte 0x%02x, which begins a UTF-%d byte-order mark",
		             r.stop, r.stop == 0xef ? 8 : 16);
	else if (r.stop > ' ' && r.stop < 0x7f)
		std::fprintf(stderr, "stopped at '%c'", r.stop);
	else
		std::fprintf(stderr, "stopped at byte 0x%02x", r.stop);
}

// Says in one line what went wrong with the input, if anything did, and whether it did.
static bool complain(const tally &t)
{
	if (t.failed == 0 && t.wide == 0)
		return false;
	std::fputs("sort10: ", stderr);
	if (t.failed > 0) {
		std::fprintf(stderr, "only %d of %d integers could be read (", count - t.failed,
		             count);
		// Where every read failed, the first failed at the input's first byte,
		// the only place a byte-order mark stands, unless it skipped blanks.
		stopped(t.why, t.failed == count && !t.why.skipped);
		std::fputs("); the missing ones are 0", stderr);
	}
	if (t.failed > 0 && t.wide > 0)
		std::fputs("; ", stderr);
	if (t.wide == 1)
		std::fprintf(stderr, "%s is out of range; used %d", t.over.text, t.over.value);
	if (t.wide > 1)
		std::fprintf(stderr, "%s and %d more are out of range; used the nearest limits",
		             t.over.text, t.wide - 1);
	std::fputc('\n', stderr);
	std::fflush(stderr);
	return true;
}

// Started from Explorer or a shortcut, sort10 has a console that closes as it ends: where every
// stream is that console and no shell shares it, wait for a key (not one typed ahead).
static void hold()
{
#ifdef _WIN32
	const DWORD streams[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
	DWORD mode = 0, pid = 0;
	for (DWORD s : streams)
		if (!GetConsoleMode(GetStdHandle(s), &mode))
			return;
	if (GetConsoleProcessList(&pid, 1) != 1)
		return;
	std::fputs("\n\nPress any key to close this window . . .", stderr);
	std::fflush(stderr);
	FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
	_getch();
	std::fputc('\n', stderr);
#endif
}

// Flushes standard output, true if all of it was written; else says why (werr, else errno).
static bool written(int werr)
{
	if (std::fflush(stdout) != 0 && werr == 0)
		werr = errno;
	if (std::ferror(stdout) == 0)
		return true;
	std::fprintf(stderr, "sort10: write error: %s\n", std::strerror(werr ? werr : EIO));
	std::fflush(stderr);
	return false;
}

int main()
{
	int a[count], i;
	// The prompt and the values (159 bytes at most; BUFSIZ is 256 at least) fit the
	// buffer, so the two flushes are its only writes, and errno says why one failed.
	std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
	// Each diagnostic line leaves in one write, so that runs sharing a log do
	// not mix their lines. (Windows buffers _IOLBF fully: each is flushed.)
	std::setvbuf(stderr, nullptr, _IOLBF, BUFSIZ);
	std::printf("please enter an array of %d integers:\n", count);
	// A program that drives sort10 through pipes waits for the prompt.
	const int werr = std::fflush(stdout) == 0 ? 0 : errno;

	tally t{};
	for (i = 0; i < count; i++)
		a[i] = tallied(&t, readint(&t.err));
	const bool bad = complain(t);

	sorting(a);
	for (i = 0; i < count; i++)
		std::printf("%d\t", a[i]);
	const bool lost = !written(werr);
	hold();
	return bad || lost ? 1 : 0;
}
