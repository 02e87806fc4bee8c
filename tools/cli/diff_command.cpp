// diff A B [--json]: the differences between two configurations or images. Exit 0 when they
// hold the same, 1 when they differ, 2 when either cannot be read.

// own
#include "model/config_diff.h"
#include "model/formats/text_excerpt.h"
#include "platform/cp1252.h"
#include "tools/cli/output.h"
#include "tools/cli/commands.h"
#include "tools/cli/config_json.h"
#include "tools/cli/config_source.h"

// std
#include <memory>
#include <nlohmann/json.hpp>

namespace {
constexpr int kDifferent = 1;
constexpr int kCannotRead = 2;

const char* KindName(ConfigDifference::Kind kind) {
    switch (kind) {
    case ConfigDifference::Kind::Added:
        return "added";
    case ConfigDifference::Kind::Removed:
        return "removed";
    case ConfigDifference::Kind::Switched:
        return "switched";
    case ConfigDifference::Kind::Changed:
        break;
    }
    return "changed";
}

std::string DifferencesJson(const std::vector<ConfigDifference>& differences) {
    auto list = nlohmann::ordered_json::array();
    for (const ConfigDifference& d : differences) {
        nlohmann::ordered_json entry{{"kind", KindName(d.kind)}};
        if (d.station) {
            entry["port"] = d.station->port;
            entry["address"] = d.station->address;
            if (d.station->name) entry["station"] = Cp1252ToUtf8(*d.station->name);
        }
        entry["item"] = d.item;
        if (d.kind == ConfigDifference::Kind::Changed || d.kind == ConfigDifference::Kind::Switched) {
            entry["from"] = d.from;
            entry["to"] = d.to;
        }
        entry["line"] = DifferenceLine(d);
        list.push_back(std::move(entry));
    }
    return JsonText(nlohmann::ordered_json{{"same", differences.empty()}, {"differences", list}});
}
} // namespace

void AddDiffCommand(CLI::App& app, CCliContext& context) {
    struct Args {
        std::string a, b;
        bool json = false;
    };
    auto* command = app.add_subcommand("diff", "Show how two configurations or images differ");
    auto args = std::make_shared<Args>();
    command->add_option("A", args->a, "a .kvx file or a controller image")->required();
    command->add_option("B", args->b, "a .kvx file or a controller image")->required();
    command->add_flag("--json", args->json, "print the differences as JSON");
    command->callback([&context, args] {
        const std::optional<ConfigContents> a = ReadConfigOrImage(context, args->a);
        std::optional<ConfigContents> b;
        if (a) b = ReadConfigOrImage(context, args->b);
        if (!a || !b) {
            context.exitCode = kCannotRead;
            return;
        }
        const auto differences = CompareContents(*a, *b);
        std::string text;
        if (args->json) {
            text = DifferencesJson(differences);
        } else {
            for (const ConfigDifference& d : differences)
                text += ForTerminal(DifferenceLine(d)) + "\n";
        }
        if (WriteOutput(context, {}, text) && !differences.empty())
            context.exitCode = kDifferent;
        else if (context.exitCode != 0)
            context.exitCode = kCannotRead;
    });
}
