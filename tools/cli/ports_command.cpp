// ports: lists the serial ports as the Communications dialog offers them, "OFFLINE" first.

// own
#include "serial/serial_port.h"
#include "tools/cli/commands.h"
#include "tools/cli/output.h"

void AddPortsCommand(CLI::App& app, CCliContext& context) {
    auto* command = app.add_subcommand("ports", "List the serial ports, one name per line");
    command->callback([&context] {
        CSerialPort port;
        const int count = port.EnumeratePorts();
        std::string names;
        for (int i = 0; i < count; ++i)
            names += port.GetPortName(i) + '\n';
        WriteStandardOutput(context, names);
    });
}
