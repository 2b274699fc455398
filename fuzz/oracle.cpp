// What fuzz/run fuzzes: each input goes to sort10's own main and to the
// plainest program that could stand in for it (scanf "%d" ten times into
// zeros, an exchange sort, printf "%d\t"), and any difference aborts. Where a
// number is beyond the int range, the plain program's value is undefined, so
// it takes the nearer limit, as sort10 must. sort10 exits 0 and says nothing
// exactly when it read ten values in range; else it says one "sort10: " line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#define main sort10
#include "../src/main.cpp"
#undef main

struct ran {
	std::string out, err;
	int status;
};

// Runs f with the input on stdin, and what it writes to stdout and stderr kept.
template <class F> static ran run(const uint8_t *data, size_t size, F f)
{
	FILE *in = stdin, *out = stdout, *err = stderr;
	char *o = nullptr, *e = nullptr;
	size_t on = 0, en = 0;
	stdin = fmemopen(const_cast<uint8_t *>(data), size, "r");
	stdout = open_memstream(&o, &on);
	stderr = open_memstream(&e, &en);
	const int status = f();
	std::fclose(stdin), std::fclose(stdout), std::fclose(stderr);
	stdin = in, stdout = out, stderr = err;
	ran r{std::string(o, on), std::string(e, en), status};
	std::free(o), std::free(e);
	return r;
}

// The plain program; it returns the status sort10 must exit with.
static int plain(const uint8_t *data)
{
	int a[10] = {}, good = 0;
	std::printf("please enter an array of %d integers:\n", 10);
	for (int i = 0; i < 10; i++) {
		const long at = std::ftell(stdin);
		if (std::scanf("%d", &a[i]) != 1)
			continue;
		const std::string text(data + at, data + std::ftell(stdin));
		const long long v = std::strtoll(text.c_str(), nullptr, 10); // saturates
		if (v < INT_MIN || v > INT_MAX)
			a[i] = v < 0 ? INT_MIN : INT_MAX;
		else
			good++;
	}
	for (int i = 0; i < 10; i++)
		for (int j = i + 1; j < 10; j++)
			if (a[i] < a[j])
				std::swap(a[i], a[j]);
	for (int i = 0; i < 10; i++)
		std::printf("%d\t", a[i]);
	return good == 10 ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
	const ran got = run(data, size, sort10);
	const ran want = run(data, size, [data] { return plain(data); });
	const bool said =
	        got.err.rfind("sort10: ", 0) == 0 && got.err.find('\n') == got.err.size() - 1;
	if (got.out == want.out && got.status == want.status &&
	    (want.status == 0 ? got.err.empty() : said))
		return 0;
	std::fputs("fuzz: on the input '", stderr);
	for (size_t k = 0; k < size; k++)
		std::fprintf(stderr,
		             data[k] >= ' ' && data[k] < 0x7f && data[k] != '\\' ? "%c" : "\\%03o",
		             data[k]);
	std::fprintf(stderr, "'\nsort10 wrote '%s' and '%s', status %d;\nwant '%s', status %d\n",
	             got.out.c_str(), got.err.c_str(), got.status, want.out.c_str(), want.status);
	std::abort();
}
