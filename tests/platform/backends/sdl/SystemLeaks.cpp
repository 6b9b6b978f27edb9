// These tests open a real window under Xvfb, so they run the system's GL
// driver (Mesa's software rasteriser) and D-Bus client inside the test
// process. Both keep blocks until exit that belong to them, and the driver is
// unloaded before the leak checker looks, so its blocks cannot even be named
// in a suppression. Leak checking is therefore off for this one executable;
// the window layer and everything above it are leak-checked by the headless
// tests, which drive the same code without a window system.
extern "C" int __lsan_is_turned_off() { return 1; }
