// Leak-checker suppressions shared by every test program: the font configuration library that Qt's
// widgets load keeps caches for the life of the process, which the leak checker reports at exit.
// Nothing of ours is suppressed.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
