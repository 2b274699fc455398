// sort10: read ten integers from standard input and write them in
// descending order, each followed by a tab. The reads follow scanf's "%d"
// but for this: text outside the int range saturates instead of being
// undefined, a value that could not be read is 0, and every shortfall is said
// on standard error and in the exit status. Standard output keeps its shape.

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
	int err;                          // none, at a read error: errno then
	char text[quote + 1];             // the number, less leading zeros, cut at quote characters
	bool cut;                         // digits followed what text holds
};

// What the ten reads came to: how many failed, how many were out of range.
struct tally {
	int failed, wide;
	reading why, over; // the first to fail, the first out of range
	int err;           // the errno of a read error, for the reads after it
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

// The next byte of standard input, or EOF. At a read error, *err keeps the
// errno the failing call left, taken before another call can change it.
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
		if (m == 0) // a leading zero, which the quote leaves out
			continue;
		if (n < quote)
			r->text[n++] = static_cast<char>(c);
		else
			r->cut = true;
	}
	r->what = m > limit ? reading::range : reading::exact;
	r->value = static_cast<int>((r->sign == '-' ? -1 : 1) * (m > limit ? limit : m));
	return c;
}

// Reads one integer as "%d" does: white space, an optional sign, then digits
// up to the first non-digit, which stays unread, one byte at a time, so no
// length of input costs memory. It says nothing: what it saw, it returns.
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

// Says in one line what went wrong with the input, if anything did (and then
// returns true): how many values were read, why, and which were out of range.
static bool complain(const tally &t)
{
	const char *more = t.over.cut ? "..." : "";
	if (t.failed == 0 && t.wide == 0)
		return false;
	std::fputs("sort10: ", stderr);
	if (t.failed > 0) {
		std::fprintf(stderr, "only %d of %d integers could be read (", count - t.failed,
		             count);
		// Where every read failed, why is the first read's, and unless white
		// space came first, it stopped at the very first byte of the input.
		stopped(t.why, t.failed == count && !t.why.skipped);
		std::fputs("); the missing ones are 0", stderr);
	}
	if (t.failed > 0 && t.wide > 0)
		std::fputs("; ", stderr);
	if (t.wide == 1)
		std::fprintf(stderr, "%s%s is out of range; used %d", t.over.text, more,
		             t.over.value);
	if (t.wide > 1)
		std::fprintf(stderr, "%s%s and %d more are out of range; used the nearest limits",
		             t.over.text, more, t.wide - 1);
	std::fputc('\n', stderr);
	std::fflush(stderr);
	return true;
}

// Started on its own (from Explorer, the Start menu, a shortcut), sort10 gets
// a console that Windows closes the moment sort10 ends, before anyone could
// read the values. So where every stream is that console and no shell shares
// it, wait for a key, dropping keys typed ahead lest one count as that key.
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

int main()
{
	int a[count], i;
	// The prompt and the values (159 bytes at most; BUFSIZ is 256 at least) fit
	// the buffer, so the two checked flushes are its only writes, and keep their
	// reasons, which a failed printf to an unbuffered stream would lose.
	std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
	// A diagnostic line (some 220 bytes at most) leaves whole, in one write,
	// so that runs sharing a log do not mix their lines. (Windows buffers
	// _IOLBF fully: so each line is flushed as it ends.)
	std::setvbuf(stderr, nullptr, _IOLBF, BUFSIZ);
	std::printf("please enter an array of %d integers:\n", count);
	// Whoever drives us through a pipe waits for the prompt before typing.
	int werr = std::fflush(stdout) == 0 ? 0 : errno;

	tally t{};
	for (i = 0; i < count; i++)
		a[i] = tallied(&t, readint(&t.err));
	const bool bad = complain(t);

	sorting(a);
	for (i = 0; i < count; i++)
		std::printf("%d\t", a[i]);

	if (std::fflush(stdout) != 0 && werr == 0)
		werr = errno;
	const bool lost = std::ferror(stdout) != 0;
	if (lost) {
		std::fprintf(stderr, "sort10: write error: %s\n", std::strerror(werr ? werr : EIO));
		std::fflush(stderr);
	}
	hold();
	return bad || lost ? 1 : 0;
}
