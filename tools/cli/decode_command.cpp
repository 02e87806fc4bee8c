// decode IMAGE [-o FILE.json]: a controller image read back into the JSON form, as far as an
// image holds it.

// own
#include "tools/cli/output.h"
#include "tools/cli/commands.h"
#include "tools/cli/config_json.h"
#include "tools/cli/config_source.h"

// std
#include <memory>

void AddDecodeCommand(CLI::App& app, CCliContext& context) {
    auto* command = app.add_subcommand("decode", "Read a controller image back into JSON");
    auto path = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    command->add_option("IMAGE", *path, "the image file (CORVANTN.DAT)")->required();
    command->add_option("-o,--output", *out, "the JSON file to write");
    command->callback([&context, path, out] {
        if (const auto contents = ReadImageFile(context, *path))
            WriteOutput(context, *out, JsonText(ContentsToJson(*contents)));
    });
}
