// Linked into the programs of the sanitizer build only. libvlc and Qt unload their
// plug-ins when they are done with them; a leak inside an unloaded plug-in can then no
// longer be named after its library ("<unknown module>"), so the suppressions of the
// libraries we do not own miss it. Keeping every module loaded until exit lets the leak
// report name them.
extern "C" int dlclose(void* /*handle*/) { return 0; }
