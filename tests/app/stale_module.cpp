// The program's module as an older version of the program left it: same file name, same entry
// point for the version, another version.
extern "C" __attribute__((visibility("default"))) const char *VorlantLateModuleVersion()
{
    return "0.9.0";
}
