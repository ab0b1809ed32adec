// Reading a route netlist (.rou): pin records ("D U1 14") gathered into nets
// closed by "N name" records, checked against the components on the board.
// The nets land in the board's net list, in routing order.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace cuprum {

class CBrdDoc;
class FieldReader;
class LogStream;

// Log lines of the netlist reader: file, 1-based line, then the problem. The
// pin is the index after the numbering base is taken off.
constexpr const char* LOG_ROUTE_CANT_OPEN = "error: can't open router file %s\n";
constexpr const char* LOG_ROUTE_READ_ERROR = "%s(%d) : error: can't read router file\n";
constexpr const char* LOG_ROUTE_NOT_FOUND = "%s(%d) : error: %c %s not found\n";
constexpr const char* LOG_ROUTE_PIN_OUT_OF_RANGE = "%s(%d) : error: %c %s pin %d out of range\n";
constexpr const char* LOG_ROUTE_PIN_IN_USE = "%s(%d) : error: %c %s pin %d already in use\n";
constexpr const char* LOG_ROUTE_WRONG_BASE =
    "%s(%d) : warning: are you using the wrong number base setting for your *.rou file\n";

// Reads the netlist at path into the board's net list and prepares the
// routing order: points ordered within each net, the board's congestion
// counters and exit votes updated, nets sorted least crowded first.
//
// Pins named in the file are marked in use on their components, also when
// reading stops. Returns the number of nets, or 0 when the file cannot be
// opened or reading stops at an error (reported in the log); after a stop the
// list holds the nets complete so far, unsorted. When the file cannot be
// opened the list is left as it was.
//
// Runs closed by "N" records with the same non-empty name are one net, kept
// when it has two or more points in all; runs closed without a name are nets
// of their own and are dropped below two points.
std::int32_t ReadRouteNetlist(CBrdDoc& board, LogStream& log, const std::filesystem::path& path,
                              int pinIndexBase, FieldReader& reader);

// The same from an open stream, which stays open; fileName is what the log
// lines quote.
std::int32_t ReadRouteNetlist(CBrdDoc& board, LogStream& log, std::FILE* stream,
                              std::string_view fileName, int pinIndexBase, FieldReader& reader);

}  // namespace cuprum
