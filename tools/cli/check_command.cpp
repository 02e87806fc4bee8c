// check FILE.kvx [--json] [--controller-version X.Y]: what would stop or spoil a download, one
// line each; exit status 1 when there is an error, 0 with warnings only.

// own
#include "download/config_check.h"
#include "framework/format_text.h"
#include "tools/cli/commands.h"
#include "tools/cli/output.h"
#include "model/formats/text_excerpt.h"

// std
#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>

namespace {
struct CheckArgs {
    std::string path;
    bool json = false;
    std::string version;
};

nlohmann::ordered_json FindingToJson(const CKVDoc& doc, const CheckFinding& finding) {
    const bool error = finding.severity == CheckFinding::Severity::Error;
    nlohmann::ordered_json json = {{"severity", error ? "error" : "warning"},
                                   {"place", CheckPlace(doc, finding)},
                                   {"text", finding.text}};
    if (finding.station >= 0) {
        const CStation& station = *doc.m_pStations[static_cast<std::size_t>(finding.station)];
        json["port"] = station.m_nPort;
        json["address"] = station.m_nAddress;
    }
    if (finding.button >= 0)
        json["button"] =
            finding.station >= 0
                ? FormatText("HB-%2.2d", finding.button + 1)
                : FormatText("SB-%2.2d", finding.button + CKVDoc::kFirstSoftButtonNumber);
    if (finding.zone >= 0) json["zone"] = finding.zone + 1;
    return json;
}

void RunCheck(CCliContext& context, const CheckArgs& args) {
    const auto doc = context.OpenConfig(args.path);
    if (!doc) return;
    const auto findings = CheckConfiguration(
        *doc, args.version.empty() ? ControllerVersion{} : *ParseControllerVersion(args.version));
    std::string out;
    if (args.json) {
        auto list = nlohmann::ordered_json::array();
        for (const CheckFinding& finding : findings)
            list.push_back(FindingToJson(*doc, finding));
        out = list.dump(2) + '\n';
    } else {
        for (const CheckFinding& finding : findings)
            out += ForTerminal(CheckLine(*doc, finding)) + '\n';
    }
    if (!WriteStandardOutput(context, out)) return;
    const bool errors = std::any_of(findings.begin(), findings.end(), [](const auto& finding) {
        return finding.severity == CheckFinding::Severity::Error;
    });
    if (errors) context.exitCode = kExitRefused;
}
} // namespace

void AddCheckCommand(CLI::App& app, CCliContext& context) {
    auto* command =
        app.add_subcommand("check", "List what would stop or spoil a download, one line each");
    auto args = std::make_shared<CheckArgs>();
    command->add_option("FILE", args->path, "the .kvx file to read")->required();
    command->add_flag("--json", args->json, "the findings as a JSON array");
    command
        ->add_option("--controller-version", args->version,
                     "the PA Controller's version X.Y (default 1.1)")
        ->check([](const std::string& text) {
            return ParseControllerVersion(text) ? std::string() : "expected X.Y, for example 1.0";
        });
    command->callback([&context, args] { RunCheck(context, *args); });
}
