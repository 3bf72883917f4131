#pragma once
// The milliseconds of a run's steps, from the performance counter, written as lines of text.
#include <string>

namespace VelkoraBench {

class CStepClock {
  public:
    CStepClock();

    // Milliseconds since the clock was made.
    double Elapsed() const;
    // Ends a step: remembers its name and the milliseconds since the previous one ended.
    void EndStep(const char* name);
    // One line a step ("  name  12.3 ms") and the sum of them.
    const std::string& Lines() const { return lines; }

  private:
    static long long Now();

    long long frequency = 1;
    long long start = 0;
    long long stepStart = 0;
    std::string lines;
};

// The bytes on standard output as they are; a GUI program has it only when a script gave it one.
void WriteOutput(const std::string& bytes);

} // namespace VelkoraBench
