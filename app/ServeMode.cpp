#include "app/ServeMode.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#ifndef QUILLOR_INSTALL_BINDIR
#define QUILLOR_INSTALL_BINDIR "/usr/local/bin"
#endif

namespace serve {

bool requested(int argc, char** argv)
{
    // After "--" come a player's name, host and flag, and "--serve" there is a name.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--serve") == 0)
            return true;
    }
    return false;
}

std::vector<std::string> hostArguments(int argc, char** argv)
{
    std::vector<std::string> out;
    bool rest = false; // after "--", every argument is handed over as it is
    for (int i = 1; i < argc; ++i) {
        rest = rest || std::strcmp(argv[i], "--") == 0;
        if (rest || std::strcmp(argv[i], "--serve") != 0)
            out.emplace_back(argv[i]);
    }
    return out;
}

std::vector<std::string> hostProgramCandidates(const std::string& selfPath, const std::string& installedBindir)
{
    std::vector<std::string> out;
    const std::size_t slash = selfPath.rfind('/');
    if (slash != std::string::npos)
        out.push_back(selfPath.substr(0, slash + 1) + kHostProgram);
    if (!installedBindir.empty()) {
        std::string installed = installedBindir;
        if (installed.back() != '/')
            installed += '/';
        installed += kHostProgram;
        if (out.empty() || out.front() != installed)
            out.push_back(installed);
    }
    return out;
}

int handOver(int argc, char** argv)
{
    char self[PATH_MAX] = {};
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    const std::string selfPath = length > 0 ? std::string(self, std::size_t(length)) : std::string();

    const std::vector<std::string> arguments = hostArguments(argc, argv);
    std::string tried;
    for (const std::string& program : hostProgramCandidates(selfPath, QUILLOR_INSTALL_BINDIR)) {
        std::vector<char*> args;
        args.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : arguments)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(program.c_str(), args.data());
        tried += (tried.empty() ? "" : ", ") + program + " (" + std::strerror(errno) + ")";
    }
    std::fprintf(stderr, "quillor: cannot start the game host %s: tried %s\n", kHostProgram, tried.c_str());
    return 1;
}

} // namespace serve
