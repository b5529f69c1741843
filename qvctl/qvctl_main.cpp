// SPDX-License-Identifier: GPL-3.0-or-later

// qvctl: sets a document camera up from a terminal.
//
//   qvctl --broadcast 192.168.1.255 discover
//   qvctl --camera 192.168.10.123 resolutions

#include "qvctl_address.h"
#include "qvctl_command.h"
#include "qvctl_output.h"

#include <cstdio>
#include <cstring>

namespace {

void usage(std::FILE *to)
{
    std::fprintf(to, "usage: qvctl [--camera ADDRESS] [--broadcast ADDRESS] COMMAND [ARGS]\n"
                     "A camera in its own access-point mode is at 192.168.10.123.\n"
                     "commands:\n");
    for (const qvctl::Command &c : qvctl::commandTable()) {
        std::string head = std::string(c.name) + " " + c.arguments;
        std::fprintf(to, "  %-28s %s\n", head.c_str(), c.summary);
    }
    std::fprintf(to, "exit codes: 0 done, 1 camera did not answer or refused, 2 usage, "
                     "3 bad value, 4 file not written\n"
                     "Answers go to standard output; errors and the library's diagnostics to "
                     "standard error.\n");
}

const qvctl::Command *findCommand(const std::string &name)
{
    for (const qvctl::Command &c : qvctl::commandTable())
        if (name == c.name)
            return &c;
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    qvctl::separateLibraryDiagnostics();
    qvctl::Invocation in;
    std::string error;
    if (!qvctl::parseInvocation(argc, argv, in, &error)) {
        std::fprintf(stderr, "qvctl: %s\n", error.c_str());
        usage(stderr);
        return qvctl::kExitUsage;
    }
    if (in.help) {
        usage(qvctl::answers());
        std::fflush(qvctl::answers());
        return qvctl::kExitOk;
    }
    if (in.command.empty()) {
        usage(stderr);
        return qvctl::kExitUsage;
    }
    const qvctl::Command *command = findCommand(in.command);
    if (!command) {
        std::fprintf(stderr, "qvctl: unknown command \"%s\"\n", in.command.c_str());
        usage(stderr);
        return qvctl::kExitUsage;
    }
    if (in.args.size() != command->argumentCount) {
        std::fprintf(stderr, "qvctl: usage: qvctl %s %s\n", command->name, command->arguments);
        return qvctl::kExitUsage;
    }
    if (command->needs == qvctl::Needs::Camera && in.camera.empty()) {
        std::fprintf(stderr, "qvctl: %s needs --camera ADDRESS\n", command->name);
        return qvctl::kExitUsage;
    }
    if (command->needs == qvctl::Needs::Broadcast && in.broadcast.empty()) {
        std::fprintf(stderr, "qvctl: %s needs --broadcast ADDRESS\n", command->name);
        return qvctl::kExitUsage;
    }
    for (const std::string *address : {&in.camera, &in.broadcast}) {
        if (!address->empty() && !qvctl::isDottedIPv4(*address)) {
            std::fprintf(stderr, "qvctl: \"%s\" is not a dotted IPv4 address\n",
                         address->c_str());
            return qvctl::kExitBadValue;
        }
    }
    const int status = command->run(in);
    std::fflush(qvctl::answers());
    return status;
}
