// ports: lists the serial ports as the Communications dialog offers them, "OFFLINE" first.

// own
#include "serial/serial_port.h"
#include "tools/cli/commands.h"

// std
#include <iostream>

void AddPortsCommand(CLI::App& app, CCliContext&) {
    auto* command = app.add_subcommand("ports", "List the serial ports, one name per line");
    command->callback([] {
        CSerialPort port;
        const int count = port.EnumeratePorts();
        for (int i = 0; i < count; ++i)
            std::cout << port.GetPortName(i) << '\n';
    });
}
