// Preloaded into a run of the program to make every thread start fail, as on
// a system out of threads: the program must then work on its own thread.

#include <pthread.h>

#include <cerrno>

extern "C" int pthread_create(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*) { return EAGAIN; }
