// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark_pictures.h"

#include "camera_scene.h"

#include <cstdio>

namespace benchcodes {

namespace {

CodeSample linear(const std::string &name, const LinearCode &code)
{
    return {name, false, [code](double m) { return drawLinear(code, m, 45); }};
}

CodeSample qr(const std::string &name, const std::string &bytes, int eci, const std::string &text)
{
    return {name, true, [=](double m) { return drawQr(bytes, eci, text, m); }};
}

void render(std::uint64_t seed, const std::vector<PlacedCode> &codes, const SceneLook &look,
            BenchPicture *picture)
{
    if (!renderScene(seed, codes, look, &picture->grey))
        std::fprintf(stderr, "bench_barcode: %s: a code did not fit on the sheet\n", picture->label.c_str());
}

struct Condition {
    const char *name;
    double linearModule, matrixModule;
    double angle; // 0: upright; otherwise varied per sample from this
    SceneLook look;
};

} // namespace

std::vector<CodeSample> codeSamples()
{
    const std::string longText =
        "Corvane document camera, page 12 of 40. The quick brown fox jumps over the lazy dog; "
        "0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz. Keep this sheet "
        "for the next lesson and bring the worksheet back on Monday.";
    return {
        qr("qr-url", "https://corvane.example/docs?id=4711&page=3", -1,
           "https://corvane.example/docs?id=4711&page=3"),
        qr("qr-chinese", "文档摄像头：二维码测试，第3页", -1, "文档摄像头：二维码测试，第3页"),
        qr("qr-greek", "Καλημέρα κόσμε — δοκιμή", -1, "Καλημέρα κόσμε — δοκιμή"),
        qr("qr-latin", "Crème brûlée à 12 € — naïve café", -1, "Crème brûlée à 12 € — naïve café"),
        qr("qr-eci-latin1", "Fran\xe7ois M\xfcller", 3, "François Müller"),
        qr("qr-long", longText, -1, longText),
        linear("ean13", ean13("590123412345")),
        linear("ean8", ean8("9638507")),
        linear("upca", upcA("03600029145")),
        linear("upce", upcE("042100")),
        linear("code128", code128("Corvane-2026/Doc#17")),
        linear("code39", code39("CORVANE-42")),
        linear("code93", code93("DOC CAM 93")),
        linear("i2of5", interleaved2of5("1234567890123")),
        linear("codabar", codabar("40156-7890")),
        linear("databar", dataBar("0950110153000")),
    };
}

std::vector<BenchPicture> benchmarkPictures(int every)
{
    const std::vector<CodeSample> samples = codeSamples();
    SceneLook plain;
    SceneLook blurred = plain;
    blurred.blurSigma = 1.6;
    SceneLook faint = plain;
    faint.inkStrength = 0.35;
    SceneLook hard = plain;
    hard.blurSigma = 1.0;
    const Condition conditions[] = {
        {"plain", 3.0, 5.0, 0, plain},   {"turned", 3.0, 5.0, 1, plain},
        {"small", 1.6, 2.2, 0, plain},   {"blurred", 3.0, 5.0, 0, blurred},
        {"faint", 3.0, 5.0, 0, faint},   {"small-turned-blurred", 2.2, 2.8, 1, hard},
    };
    // Angles for turned codes: steep and quarter turns alike.
    const double angles[] = {18, -27, 90, 180, 35, -12, 270, 8, -40, 24, 135, -65, 15, 200, -33, 60};

    std::vector<BenchPicture> pictures;
    int index = 0;
    std::uint64_t seed = 1000;
    auto keep = [&]() { return index++ % every == 0; };

    for (const Condition &c : conditions) {
        for (std::size_t i = 0; i < samples.size(); ++i) {
            ++seed;
            if (!keep())
                continue;
            const CodeSample &s = samples[i];
            // Small modules spread over the sizes where reading starts to
            // fail: from the condition's size up by a third.
            const double spread = c.linearModule < 2.5 ? 1.0 + (i % 6) * 0.066 : 1.0;
            PlacedCode code{s.draw(spread * (s.matrix ? c.matrixModule : c.linearModule)),
                            c.angle != 0 ? angles[i % 16] : 0.0};
            BenchPicture picture{std::string(c.name) + "/" + s.name, {}, {code.drawing}};
            render(seed, {code}, c.look, &picture);
            pictures.push_back(std::move(picture));
        }
    }
    // Several codes in one picture.
    for (int k = 0; k < 8; ++k) {
        ++seed;
        if (!keep())
            continue;
        std::vector<PlacedCode> codes;
        BenchPicture picture{"several/" + std::to_string(k), {}, {}};
        for (int j = 0; j < 3; ++j) {
            const CodeSample &s = samples[(static_cast<std::size_t>(k) * 5 + static_cast<std::size_t>(j) * 7) % samples.size()];
            PlacedCode code{s.draw(s.matrix ? 4.0 : 2.6), angles[(k + j) % 16] / 4};
            picture.expected.push_back(code.drawing);
            codes.push_back(code);
        }
        render(seed, codes, plain, &picture);
        pictures.push_back(std::move(picture));
    }
    // No code at all.
    for (int k = 0; k < 10; ++k) {
        ++seed;
        if (!keep())
            continue;
        SceneLook look = k % 2 ? plain : blurred;
        look.stripes = k % 3 != 2;
        BenchPicture picture{"none/" + std::to_string(k), {}, {}};
        render(seed, {}, look, &picture);
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

} // namespace benchcodes
