#pragma once

// Runs code that reads a file mapping. When the file shrinks underneath the mapping, a read past its new end
// raises SIGBUS; inside Run that ends the code early and Run returns false instead of the process dying.
// The guarded code must own nothing that needs a destructor while it touches the mapping.
class MappedReadGuard {
public:
    template <class F> static bool Run(F&& code) { return RunCall(&Call<F>, &code); }

private:
    template <class F> static void Call(void* code) { (*static_cast<F*>(code))(); }
    static bool RunCall(void (*call)(void*), void* code);
};
