// The C++ runtime's failure exits as the two deliverables link them: the same
// end of the process as an exception nobody catches, without the text
// machinery behind the library's own versions.
//
// The library's std::terminate handler names the exception's type on the
// standard error, which pulls in a name demangler and a formatted printer
// (about 70 KB); its __throw_* helpers build exception objects with reference-
// counted strings (about 35 KB). Nothing in the programs catches an exception,
// and nobody reads a plug-in's standard error, so: a failed allocation throws
// std::bad_alloc as operator new does, any other failure ends the process at
// once, as a library built without exceptions does. Linked into the programs
// only (cmake/lean_programs.cmake); tests and tools keep the library's
// versions and their messages.
#include <cstdlib>
#include <new>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_alloc(); }

#define OSTREL_FAILURE_EXIT(name, ...) \
  void name(__VA_ARGS__) { std::abort(); }
OSTREL_FAILURE_EXIT(__throw_bad_exception)
OSTREL_FAILURE_EXIT(__throw_bad_cast)
OSTREL_FAILURE_EXIT(__throw_bad_typeid)
OSTREL_FAILURE_EXIT(__throw_logic_error, const char*)
OSTREL_FAILURE_EXIT(__throw_domain_error, const char*)
OSTREL_FAILURE_EXIT(__throw_invalid_argument, const char*)
OSTREL_FAILURE_EXIT(__throw_length_error, const char*)
OSTREL_FAILURE_EXIT(__throw_out_of_range, const char*)
OSTREL_FAILURE_EXIT(__throw_out_of_range_fmt, const char*, ...)
OSTREL_FAILURE_EXIT(__throw_runtime_error, const char*)
OSTREL_FAILURE_EXIT(__throw_range_error, const char*)
OSTREL_FAILURE_EXIT(__throw_overflow_error, const char*)
OSTREL_FAILURE_EXIT(__throw_underflow_error, const char*)
#undef OSTREL_FAILURE_EXIT

}  // namespace std
