#pragma once
// CompareContents: the differences between two configurations, in what both of them hold (a
// name only one side carries is not compared). Stations are matched by port and address (the
// n-th station on a pair with the n-th on the same pair, for files that hold a pair twice);
// the order of the list is not compared. Button texts are compared without trailing blanks, as
// an LCD shows them and an image pads them.

// own
#include "model/config_contents.h"

// std
#include <optional>
#include <string>
#include <vector>

struct ConfigDifference {
    // Switched: a zone of a button went on or off (from and to are "on" and "off").
    enum class Kind { Changed, Switched, Added, Removed };

    // The station that differs, with its name when a side carries it; nothing for the zone
    // count, zone names and soft buttons.
    struct Station {
        int port = 0;
        int address = 0;
        std::optional<std::string> name;
    };

    Kind kind = Kind::Changed;
    std::optional<Station> station;
    // What changed: "HB-03 zone 12", "name", "type", "zone 5 name", "number of zones", ... For
    // an added or removed station: "station".
    std::string item;
    // The two values as text; empty for an added or removed station.
    std::string from;
    std::string to;
};

// Differences from `a` to `b`: the zone count and zone names first, then the stations in a's
// order (stations only b has at the end), then the soft buttons.
std::vector<ConfigDifference> CompareContents(const ConfigContents& a, const ConfigContents& b);

// One line, texts in UTF-8: "[3-7] Lobby: HB-03 zone 12 on -> off", "+ station [4-1] Dock Door",
// "zone 5 name: Lobby -> Foyer".
std::string DifferenceLine(const ConfigDifference& difference);
