// One list path in a fresh process, "cold": quillora_bench_cold <folder>
// <measure> runs the path once on the program folder and prints the seconds
// it took and the process's peak resident memory in bytes.

#include "../ListPaths.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const auto m = lists::Measure(std::atoi(argv[2]));
    lists::useFolder(QString::fromLocal8Bit(argv[1]), m);
    const lists::Run run = lists::runOnce(m);
    std::printf("%.6f %.0f %lld\n", run.seconds, lists::peakBytes(), static_cast<long long>(run.lines.size()));
    std::fflush(stdout);
    std::_Exit(0); // the windows' teardown is not the user's wait
}
