// The code of the test libraries: one function, so that they link.
extern "C" __declspec(dllexport) int Versioned() { return VERSION_MAJOR; }
