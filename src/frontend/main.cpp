#include "frontend/exit_status.h"
#include "frontend/run_sequence.h"

int main(int argc, char** argv) {
    return plovask::ProcessExitStatus(plovask::RunProgram(argc, argv));
}
