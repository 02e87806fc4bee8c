// image FILE.kvx [-o OUT]: builds the controller image into CORVANTN.DAT in the current folder,
// or into OUT.

// own
#include "download/image_builder.h"
#include "tools/cli/commands.h"

// std
#include <memory>

void AddImageCommand(CLI::App& app, CCliContext& context) {
    auto* command = app.add_subcommand("image", "Build the controller image of a configuration");
    auto path = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>(kImageFileName);
    command->add_option("FILE", *path, "the .kvx file to read")->required();
    command->add_option("-o,--output", *out, "the image file to write")
        ->default_str(kImageFileName);
    command->callback([&context, path, out] {
        const auto doc = context.OpenConfig(*path);
        if (!doc) return;
        const auto image = std::make_unique<ControllerImage>();
        // Texts too long for their slots are reported but still make an image.
        if (BuildControllerImage(*doc, *image, *out) != ImageBuild::Built) context.exitCode = 1;
    });
}
