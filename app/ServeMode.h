#pragma once
// `quillor --serve [OPTIONS]`: the program hands over to the dedicated host program,
// quillor-host (headless/), with the same options. It replaces this process (exec), so
// the process that runs the host is the small one, without the windowing libraries.
//
// main() uses it at its very top, before any Qt object exists:
//     if (serve::requested(argc, argv))
//         return serve::handOver(argc, argv);
#include <string>
#include <vector>

namespace serve {

// The host program's file name.
inline constexpr const char* kHostProgram = "quillor-host";

// True when "--serve" is one of the arguments after the program name and before any "--".
bool requested(int argc, char** argv);

// The host program's arguments: every argument after the program name but "--serve"
// (before any "--"), in order.
std::vector<std::string> hostArguments(int argc, char** argv);

// Where quillor-host is looked for, in order: beside this program (whose own path is
// `selfPath`; nothing when it is empty), then in `installedBindir`, the folder the
// programs are installed to.
std::vector<std::string> hostProgramCandidates(const std::string& selfPath, const std::string& installedBindir);

// Replaces this process with quillor-host. Returns only when no candidate could be
// started, after saying so on stderr: the exit status to end with (1).
int handOver(int argc, char** argv);

} // namespace serve
