// Runs the cost calculation of the worked example, from the typed texts to the filled record, as
// many times as the argument says. scripts/count-cost-instructions.sh counts the instructions of
// a run with one and a run with two under callgrind: the difference is one calculation, with
// start-up and one-time set-up of the libraries left out.
#include "engine/CostFormulas.h"
#include "tests/engine/WorkedExample.h"

#include <cstdio>
#include <cstdlib>

using namespace store;
using namespace engine;

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1;
    const InputTexts inputs = workedExampleInputs();
    ResultRecord record;
    bool completed = true;
    for (int run = 0; run < runs; ++run)
        completed = completed && calculateCosts(inputs, record) == CostOutcome::Completed;
    std::puts(completed ? "calculated" : "the worked example did not calculate");
    return completed ? 0 : 1;
}
