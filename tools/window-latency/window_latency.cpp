// window-latency TITLE [SECONDS]: waits for a top-level window titled TITLE
// (an ANSI text), then sends it WM_NULL every 5 ms until it disappears or
// SECONDS pass, and prints how long its thread took to answer: the number of
// probes, the median and the longest time in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window-latency TITLE [SECONDS]\n");
    return 64;
  }
  double seconds = argc > 2 ? std::atof(argv[2]) : 120.0;
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);

  HWND window = nullptr;
  while (!window) {
    window = FindWindowA(nullptr, argv[1]);
    QueryPerformanceCounter(&now);
    if (Milliseconds(start, now, frequency) > seconds * 1000.0) {
      std::fprintf(stderr, "window not found\n");
      return 1;
    }
    if (!window) Sleep(20);
  }

  std::vector<double> answers;
  while (IsWindow(window)) {
    LARGE_INTEGER sent, answered;
    DWORD_PTR result = 0;
    QueryPerformanceCounter(&sent);
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result)) break;
    QueryPerformanceCounter(&answered);
    answers.push_back(Milliseconds(sent, answered, frequency));
    if (Milliseconds(start, answered, frequency) > seconds * 1000.0) break;
    Sleep(5);
  }
  if (answers.empty()) return 1;
  std::vector<double> sorted = answers;
  std::sort(sorted.begin(), sorted.end());
  std::printf("probes %zu median_ms %.3f max_ms %.3f\n", sorted.size(), sorted[sorted.size() / 2],
              sorted.back());
  return 0;
}
