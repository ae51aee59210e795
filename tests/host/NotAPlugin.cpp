// A shared object without any plug-in entry point.
extern "C" __attribute__((visibility("default"))) int notAPlugin()
{
    return 42;
}
