// SPDX-License-Identifier: GPL-3.0-or-later
// The sanitizers' settings, built into every program and test program of a
// sanitized build, so that nobody running one needs an environment variable.
#if defined(__SANITIZE_ADDRESS__)
// Libraries that keep state for the life of the process and free it only in
// a shutdown call the programs never make: fontconfig's configuration and
// caches, and the D-Bus connection that SDL opens in a desktop session.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}
// A refused allocation must come back as null, as it does without the sanitizer.
extern "C" const char *__asan_default_options() {
    return "allocator_may_return_null=1";
}
// The toolkit's records are byte-packed, so the pointers that keep widgets
// and images reachable sit at odd addresses; the leak scan must look there too.
// The suppressions are routine: the programs' error output does not list them.
extern "C" const char *__lsan_default_options() {
    return "use_unaligned=1:print_suppressions=0";
}
#endif
