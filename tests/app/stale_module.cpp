// The program's module as another build of the same version of the program left it: same file
// name, same entry point for the build, another build.
extern "C" __attribute__((visibility("default"))) const char *VorlantLateModuleBuild()
{
    return VORLANT_VERSION "+0000000000000000";
}
