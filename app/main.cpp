#include "app/program_entry.h"

// The program takes no arguments; Qt's own options are left to Qt.
int main(int argc, char *argv[])
{
    return vorlant::RunProgram(argc, argv);
}
