#pragma once

#include <QString>

// Benchmarks run offscreen, en_US, with a private XDG data folder.
namespace BenchEnvironment {
// Call first in main(): sets the environment and makes the application object.
void prepare(int& argc, char** argv);
// A fresh database at DatabasePath().
void freshDatabase();
} // namespace BenchEnvironment

#define VELMAR_BENCH_MAIN()                                  \
    int main(int argc, char** argv)                          \
    {                                                        \
        BenchEnvironment::prepare(argc, argv);               \
        ::benchmark::Initialize(&argc, argv);                \
        if (::benchmark::ReportUnrecognizedArguments(argc, argv)) \
            return 1;                                        \
        ::benchmark::RunSpecifiedBenchmarks();               \
        ::benchmark::Shutdown();                             \
        return 0;                                            \
    }
