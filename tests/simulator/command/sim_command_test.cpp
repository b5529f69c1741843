// SPDX-License-Identifier: GPL-3.0-or-later

// The simulator's command side on its own: fault scripts, the request
// parser on hostile input, and answers the tests elsewhere rely on.

#include "command/sim_command_codec.h"
#include "command/sim_command_handler.h"
#include "command/sim_fault_script.h"
#include "command/sim_request_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <utility>

namespace {

using namespace camsim;

TEST(SimFaultScript, SpecsParseAndCountDown)
{
    auto f = parseFaultSpec("no-reply:0x1002:2");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->kind, FaultKind::NoReply);
    EXPECT_EQ(f->code, 0x1002);
    EXPECT_EQ(f->remaining, 2);
    f = parseFaultSpec("wrong-magic");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->code, kAnyCode);
    EXPECT_EQ(f->remaining, kForever);
    EXPECT_TRUE(parseFaultSpec("zero-count:9:always"));
    EXPECT_TRUE(parseFaultSpec("other-address:any:3"));
    for (const char *bad : {"", "nonsense", "no-reply:abc", "no-reply:70000", "no-reply:1:0",
                            "no-reply:1:-2", "no-reply:1:2:3"})
        EXPECT_FALSE(parseFaultSpec(bad)) << bad;

    SimFaultScript script;
    script.add(*parseFaultSpec("no-reply:0x1002:2"));
    script.add(*parseFaultSpec("wrong-code"));
    EXPECT_EQ(script.take(0x1002), FaultKind::NoReply);
    EXPECT_EQ(script.take(0x1002), FaultKind::NoReply);
    EXPECT_EQ(script.take(0x1002), FaultKind::WrongCode); // the first one is used up
    EXPECT_EQ(script.take(9), FaultKind::WrongCode);
    script.clear();
    EXPECT_FALSE(script.take(9));
    EXPECT_TRUE(script.empty());
}

TEST(SimRequestParser, TellsFamiliesApartAndStaysInsideTheDatagram)
{
    const uint8_t setcmd[] = {'S', 'E', 'T', 'C', 'M', 'D', 5, 0, 0, 0, 8, 0, 200, 0, 1, 2};
    SimRequest r = parseRequest(setcmd, sizeof setcmd);
    EXPECT_EQ(r.family, Family::SetCmd);
    EXPECT_EQ(r.seq, 5u);
    EXPECT_EQ(r.code, 8);
    EXPECT_EQ(r.declaredLength, 200);
    EXPECT_EQ(r.payload.size(), 2u); // only what arrived

    uint8_t frame[24] = {0x99, 0x99, 0x02, 0x10, 7};
    r = parseRequest(frame, sizeof frame);
    EXPECT_EQ(r.family, Family::Frame9999);
    EXPECT_EQ(r.code, 0x1002);
    EXPECT_EQ(r.seq, 7u);
    EXPECT_EQ(parseRequest(frame, 23).family, Family::Unknown);
    EXPECT_EQ(parseRequest(setcmd, 13).family, Family::Unknown);
    EXPECT_EQ(parseRequest(nullptr, 10).family, Family::Unknown);
    frame[0] = 0x98;
    EXPECT_EQ(parseRequest(frame, sizeof frame).family, Family::Unknown);
    EXPECT_NE(describeRequest(parseRequest(frame, sizeof frame)).find("unrecognised"),
              std::string::npos);
}

TEST(SimCommandHandler, SetResolutionFollowsTheOfferedList)
{
    SimCameraState state;
    SimCommandHandler handler(state);
    const Bytes request = {'S', 'E', 'T', 'C', 'M', 'D', 1, 0, 0, 0, 8, 0, 5, 0,
                           0x00, 0x05, 0xD0, 0x02, 30};
    const auto reply = handler.answer(parseRequest(request.data(), request.size()), {});
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)[12], 0); // status: accepted
    EXPECT_EQ(state.currentResolution().width, 1280);
    EXPECT_EQ(state.currentResolution().height, 720);
    EXPECT_NE(describeRequest(parseRequest(request.data(), request.size())).find("1280x720@30"),
              std::string::npos);

    Bytes odd = request;
    odd[14] = 0x01; // 1281 wide: not offered
    const auto refused = handler.answer(parseRequest(odd.data(), odd.size()), {});
    ASSERT_TRUE(refused);
    EXPECT_EQ((*refused)[12], 1);
    EXPECT_EQ(state.currentResolution().width, 1280);
}

TEST(SimCommandHandler, UnknownCodesKeepGenericValues)
{
    SimCameraState state;
    SimCommandHandler handler(state);
    Bytes set(24, 0);
    set[0] = set[1] = 0x99;
    set[2] = 0x77; // code 0x0777
    set[3] = 0x07;
    set[8] = 42;
    auto reply = handler.answer(parseRequest(set.data(), set.size()), {});
    ASSERT_TRUE(reply);
    Bytes get = set;
    get[8] = 0;
    reply = handler.answer(parseRequest(get.data(), get.size()), {});
    ASSERT_TRUE(reply);
    EXPECT_EQ(le32At(&(*reply)[8]), 42u);
    EXPECT_EQ(le16At(&(*reply)[2]), 0x0777);
}

// camsim's standard output for these arguments, and its exit status.
std::pair<int, std::string> runCamsim(const std::string &arguments)
{
    FILE *pipe = popen((std::string(CAMSIM_PATH) + " " + arguments + " 2>/dev/null").c_str(), "r");
    std::string output;
    char chunk[512];
    for (size_t n; pipe && (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        output.append(chunk, n);
    const int raw = pipe ? pclose(pipe) : -1;
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, output};
}

TEST(Camsim, HelpGoesToStandardOutputAndMistakesDoNot)
{
    auto [status, output] = runCamsim("--help");
    EXPECT_EQ(status, 0);
    EXPECT_NE(output.find("usage: camsim"), std::string::npos) << output;
    EXPECT_NE(output.find("--transport"), std::string::npos) << output;
    EXPECT_EQ(runCamsim("--no-such-option"), std::make_pair(2, std::string()));
}

} // namespace
