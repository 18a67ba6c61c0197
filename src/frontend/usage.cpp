#include "frontend/usage.h"

#include <cstdio>
#include <cstdlib>

#include "frontend/exit_status.h"
#include "script/command_result.h"

namespace plovask {

void PrintUsage() {
    std::fputs("PLOVASK  Vorstel/ISDN configuration tool\n", stderr);
    std::fputs("Applies a configuration script, one command a line, to the ISDN dial-up configuration.\n\n",
               stderr);
    std::fputs("use: plovask [-h] [-f<configfile>] [-e<errorfile>]\n\n", stderr);
    std::fputs("  -f<configfile> defines the input file (default is VORSTEL.CFG)\n", stderr);
    std::fputs("  -e<errfile>    defines the error file (default is stderr)\n", stderr);
    std::fputs("  -h             displays this information\n", stderr);
    std::exit(ProcessExitStatus(kScriptError));
}

}  // namespace plovask
