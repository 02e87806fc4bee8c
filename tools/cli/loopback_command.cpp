// loopback COMn [--baud N | --all]: checks an adapter and its cable with TX joined to RX, one line
// per rate; exit status 0 only when every rate passed.

// own
#include "framework/format_text.h"
#include "serial/baud_table.h"
#include "serial/loopback_test.h"
#include "tools/cli/commands.h"

// std
#include <iostream>
#include <memory>

namespace {

struct LoopbackArgs {
    std::string port;
    uint32_t baud = 0;
    bool all = false;
};

std::string Describe(const LoopbackResult& result) {
    using Verdict = LoopbackResult::Verdict;
    const std::string rates =
        GroupedNumber(result.nMeasured) + " B/s measured (" + GroupedNumber(result.nExpected) + " expected)";
    switch (result.verdict) {
    case Verdict::Ok:
        return "ok, " + rates;
    case Verdict::PortFailed:
        return "the port could not be opened or failed";
    case Verdict::NothingBack:
        return "nothing came back";
    case Verdict::BytesLost:
        return "bytes lost, " + GroupedNumber(result.nBack) + " of " + GroupedNumber(result.nSent) +
               " came back in order";
    case Verdict::WrongRate:
        return "wrong rate, " + rates;
    }
    return {};
}

void RunLoopback(CCliContext& context, const LoopbackArgs& args) {
    std::vector<uint32_t> rates;
    if (args.all)
        rates.assign(kBaudTable.begin(), kBaudTable.end());
    else
        rates.push_back(args.baud);
    for (uint32_t baud : rates) {
        const LoopbackResult result = TestLoopback(DefaultSerialPlatform(), args.port, baud);
        std::cout << baud << ": " << Describe(result) << std::endl;
        if (result.verdict != LoopbackResult::Verdict::Ok) context.exitCode = 1;
    }
}

} // namespace

void AddLoopbackCommand(CLI::App& app, CCliContext& context) {
    auto* command = app.add_subcommand(
        "loopback", "Test a serial adapter and cable whose TX is joined to RX, at one or every rate");
    auto args = std::make_shared<LoopbackArgs>();
    args->baud = 19200;
    command->add_option("PORT", args->port, "the COM port, COM1 to COM9")->required();
    auto* baud = command->add_option("--baud", args->baud, "the rate to test (default 19200)")
                     ->check(CLI::IsMember(std::vector<uint32_t>(kBaudTable.begin(),
                                                                 kBaudTable.end())));
    command->add_flag("--all", args->all, "test every rate of the baud table")->excludes(baud);
    command->callback([&context, args] { RunLoopback(context, *args); });
}
