// sort10: read ten integers from standard input and write them in
// descending order, each followed by a tab.
//
// The reads follow scanf's "%d" to the letter, with three differences: text
// outside the int range saturates instead of being undefined, an element
// that could not be read is 0, and every shortfall is said on standard
// error and in the exit status. Standard output is the same in every case.

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <conio.h>
#include <windows.h>
#endif

static_assert(sizeof(int) == 4, "the values are 32-bit integers");

namespace {

constexpr int count = 10;

// A note is what a diagnostic says of one read. Of a number's text it
// quotes at most the first quote characters.
constexpr int notesize = 64;
constexpr int quote = 24;

// How one read went: a value, a value out of range (saturated), or nothing.
enum class got { value, range, none };

// Puts the ten values behind a into non-increasing order, in place.
void sorting(int *a)
{
	for (int i = 0; i < count; i++)
		for (int j = i + 1; j < count; j++)
			if (a[i] < a[j]) {
				int temp = a[i];
				a[i] = a[j];
				a[j] = temp;
			}
}

bool space(int c)
{
	return c == ' ' || (c >= '\t' && c <= '\r'); // \t \n \v \f \r
}

bool digit(int c)
{
	return c >= '0' && c <= '9';
}

// Says why a read found no digits at c (after sign, if not 0).
got fail(char *note, int sign, int c)
{
	if (std::ferror(stdin))
		std::snprintf(note, notesize, "read error: %s", std::strerror(errno));
	else if (sign != 0)
		std::snprintf(note, notesize, "'%c' without digits", sign);
	else if (c == EOF)
		std::snprintf(note, notesize, "input ended");
	else if (c > ' ' && c < 0x7f)
		std::snprintf(note, notesize, "stopped at '%c'", c);
	else
		std::snprintf(note, notesize, "stopped at byte 0x%02x", c);
	return got::none;
}

// Reads one integer as "%d" does: white space, an optional sign, then digits
// up to the first non-digit, which stays unread. It reads one character at a
// time, so no length of input costs memory. On range, note holds the text.
got readint(int *v, char *note)
{
	int c = EOF;
	// Once input has ended, a console would wait for more: read no further.
	if (!std::feof(stdin) && !std::ferror(stdin))
		while (space(c = std::getchar()))
			;
	int sign = 0;
	if (c == '+' || c == '-') {
		sign = c;
		c = std::getchar();
	}
	if (!digit(c)) {
		std::ungetc(c, stdin);
		return fail(note, sign, c);
	}

	// The magnitude stops growing once it is past the limit, so it cannot
	// overflow however many digits follow.
	const long long limit = sign == '-' ? -static_cast<long long>(INT_MIN) : INT_MAX;
	long long m = 0;
	int n = 0;
	bool cut = false;
	if (sign != 0)
		note[n++] = static_cast<char>(sign);
	for (; digit(c); c = std::getchar()) {
		if (m <= limit)
			m = m * 10 + (c - '0');
		if (n < quote)
			note[n++] = static_cast<char>(c);
		else
			cut = true;
	}
	std::ungetc(c, stdin);
	note[n] = '\0';
	if (cut)
		std::memcpy(note + n, "...", sizeof "...");

	if (m > limit) {
		*v = sign == '-' ? INT_MIN : INT_MAX;
		return got::range;
	}
	*v = static_cast<int>(sign == '-' ? -m : m);
	return got::value;
}

// Says in one line what went wrong with the input: n of the values were
// read, the first failed read stopped for why, and wide values were out of
// range, the first of them first.
void complain(int n, const char *why, int wide, const char *first)
{
	std::fputs("sort10: ", stderr);
	if (n < count)
		std::fprintf(stderr,
		             "only %d of %d integers could be read (%s); the missing ones are 0", n,
		             count, why);
	if (n < count && wide > 0)
		std::fputs("; ", stderr);
	if (wide == 1)
		std::fprintf(stderr, "%s is out of range; used %d", first,
		             first[0] == '-' ? INT_MIN : INT_MAX);
	if (wide > 1)
		std::fprintf(stderr, "%s and %d more are out of range; used the nearest limits",
		             first, wide - 1);
	std::fputc('\n', stderr);
}

#ifdef _WIN32
// Windows gives sort10 a console of its own when it is started on its own
// (from Explorer, the Start menu, a shortcut), and closes it the moment
// sort10 ends, before anyone could read the values. So where every stream
// is that console and no shell shares it, wait for a key. Keys typed ahead
// are dropped first, lest one of them count as that key.
void hold()
{
	const DWORD streams[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
	DWORD mode = 0;
	for (DWORD s : streams)
		if (!GetConsoleMode(GetStdHandle(s), &mode))
			return;
	DWORD pid = 0;
	if (GetConsoleProcessList(&pid, 1) != 1)
		return;
	std::fputs("\n\nPress any key to close this window . . .", stderr);
	FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
	_getch();
	std::fputc('\n', stderr);
}
#else
void hold()
{
}
#endif

} // namespace

int main()
{
	int a[count] = {};
	int i;

	// Standard output is written only by the two checked flushes. Left
	// unbuffered (a terminal; on Windows a console or a device), a failing
	// printf would take the reason with it and leave the flush nothing to do.
	std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
	std::printf("please enter an array of %d integers:\n", count);
	// Whoever drives us through a pipe waits for the prompt before typing.
	int werr = std::fflush(stdout) == 0 ? 0 : errno;

	int n = 0, wide = 0;
	char why[notesize] = "", first[notesize] = "";
	for (i = 0; i < count; i++) {
		char note[notesize] = "";
		got g = readint(&a[i], note);
		if (g != got::none)
			n++;
		if (g == got::range && wide++ == 0)
			std::memcpy(first, note, sizeof first);
		if (g == got::none && why[0] == '\0')
			std::memcpy(why, note, sizeof why);
	}

	if (n < count || wide > 0)
		complain(n, why, wide, first);

	sorting(a);
	for (i = 0; i < count; i++)
		std::printf("%d\t", a[i]);

	if (std::fflush(stdout) != 0 && werr == 0)
		werr = errno;
	int status = n < count || wide > 0 ? 1 : 0;
	if (std::ferror(stdout)) {
		std::fprintf(stderr, "sort10: write error: %s\n",
		             std::strerror(werr != 0 ? werr : EIO));
		status = 1;
	}
	hold();
	return status;
}
