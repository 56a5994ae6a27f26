#include "app/run_options.h"

bool prepareRunOptions(const FrameworkArguments&, RunOptions&)
{
    return true;
}
