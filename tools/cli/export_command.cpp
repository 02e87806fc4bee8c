// export FILE.kvx: prints the configuration as JSON.

// own
#include "tools/cli/commands.h"
#include "tools/cli/config_json.h"
#include "tools/cli/output.h"

void AddExportCommand(CLI::App& app, CCliContext& context) {
    auto* command = app.add_subcommand("export", "Print a configuration as JSON");
    auto path = std::make_shared<std::string>();
    command->add_option("FILE", *path, "the .kvx file to read")->required();
    command->callback([&context, path] {
        const auto doc = context.OpenConfig(*path);
        if (doc) WriteStandardOutput(context, JsonText(ConfigToJson(*doc)));
    });
}
