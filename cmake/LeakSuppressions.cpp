// Linked into every target of a sanitizer build. Font and D-Bus libraries
// keep caches for the life of the process and never free them; a program
// that ends through exit() with its windows still open (as a fatal error
// does) would otherwise be reported for leaks that are not its own.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}
