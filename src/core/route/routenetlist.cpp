#include "route/routenetlist.h"

#include <climits>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "parts/component.h"
#include "route/congestion.h"
#include "route/netlist.h"

namespace cuprum {

namespace {

constexpr std::string_view PIN_RECORD_LETTERS = "CDEPRSZ";
constexpr char NET_RECORD_LETTER = 'N';
constexpr char RESISTOR_RECORD_LETTER = 'R';

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool IsPinRecord(char letter) { return PIN_RECORD_LETTERS.find(letter) != std::string_view::npos; }

// A text file edited where lines end in CR LF keeps the CR on a name that
// ends a line; it is no part of the name.
void DropCarriageReturns(std::string& field) {
  while (!field.empty() && field.back() == '\r') field.pop_back();
}

// Pin number minus base, kept within int for the messages.
int PinIndex(int number, int base) {
  const long long index = static_cast<long long>(number) - base;
  if (index < INT_MIN) return INT_MIN;
  if (index > INT_MAX) return INT_MAX;
  return static_cast<int>(index);
}

// A net being gathered: the current run of pin records, or a named net that
// collects every run closed with its name.
struct NetDraft {
  NetNode node;
  bool hasResistor = false;

  void Append(const NetDraft& run) {
    node.points.insert(node.points.end(), run.node.points.begin(), run.node.points.end());
    node.components.insert(node.components.end(), run.node.components.begin(),
                           run.node.components.end());
    hasResistor = hasResistor || run.hasResistor;
  }
};

class RouteNetlistReader {
 public:
  RouteNetlistReader(CBrdDoc& board, LogStream& log, std::FILE* stream, std::string_view fileName,
                     int pinIndexBase, FieldReader& reader)
      : board_(board),
        log_(log),
        stream_(stream),
        fileName_(fileName),
        pinIndexBase_(pinIndexBase),
        reader_(reader) {}

  std::int32_t Read();

 private:
  enum class Outcome { Continue, Stop };

  Outcome ReadPinRecord(char letter);
  void CloseRun();
  // Moves the nets of two or more points into the board's list, each in
  // routing order.
  void PublishNets();
  [[nodiscard]] Component* FindComponent(const std::string& name, char letter) const;
  [[nodiscard]] int Line() const { return reader_.LineNumber(); }

  CBrdDoc& board_;
  LogStream& log_;
  std::FILE* stream_;
  std::string fileName_;
  int pinIndexBase_;
  FieldReader& reader_;

  NetDraft run_;
  // Closed nets in the order they were first closed.
  std::vector<NetDraft> nets_;
  std::unordered_map<std::string, std::size_t> namedNets_;
};

std::int32_t RouteNetlistReader::Read() {
  reader_.Reset();
  board_.GetNetList().Clear();
  for (;;) {
    const char letter = reader_.ReadRecordLetter(stream_);
    if (letter == '\0') {
      // A letter read from a last line without a line break has been handled
      // by now; only a line wanted and not found ends the file.
      if (reader_.AtEnd()) break;
      log_.Printf(LOG_ROUTE_READ_ERROR, fileName_.c_str(), Line());
      PublishNets();
      return 0;
    }
    if (letter == NET_RECORD_LETTER) {
      CloseRun();
    } else if (IsPinRecord(letter)) {
      if (ReadPinRecord(letter) == Outcome::Stop) {
        PublishNets();
        return 0;
      }
    }
    // Any other letter starts no record; the scan goes on after it.
  }

  // Pins after the last "N" belong to no net.
  PublishNets();
  NetList& nets = board_.GetNetList();
  CongestionCounters& counters = board_.Congestion();
  ComputeCongestion(nets, counters);
  CountExitVotes(nets, board_.Grid(), counters);
  AssignCongestionKeys(nets, counters);
  nets.SortByCongestion();
  return nets.Count();
}

RouteNetlistReader::Outcome RouteNetlistReader::ReadPinRecord(char letter) {
  std::string name;
  if (reader_.ReadField(stream_, name) == 0) {
    log_.Printf(LOG_PARSING_ERROR, fileName_.c_str(), Line(), letter);
    return Outcome::Stop;
  }
  DropCarriageReturns(name);
  int number = 0;
  if (reader_.ReadIntField(stream_, number) == 0) {
    log_.Printf(LOG_PARSING_ERROR, fileName_.c_str(), Line(), letter);
    return Outcome::Stop;
  }
  const int index = PinIndex(number, pinIndexBase_);

  Component* component = FindComponent(name, letter);
  if (component == nullptr) {
    log_.Printf(LOG_ROUTE_NOT_FOUND, fileName_.c_str(), Line(), letter, name.c_str());
    return Outcome::Stop;
  }
  // The tables are checked as well as the count, so that a component whose
  // tables were never sized cannot be read past their end.
  const auto& pins = component->Pins();
  auto& inUse = component->InUse();
  if (index < 0 || index >= component->PinCount() ||
      static_cast<std::size_t>(index) >= pins.size() ||
      static_cast<std::size_t>(index) >= inUse.size()) {
    log_.Printf(LOG_ROUTE_PIN_OUT_OF_RANGE, fileName_.c_str(), Line(), letter, name.c_str(), index);
    // Pin 0 against a board that numbers its pins from 1: the file was
    // most likely written counting from 0.
    if (index == -1) log_.Printf(LOG_ROUTE_WRONG_BASE, fileName_.c_str(), Line());
    return Outcome::Stop;
  }
  if (letter == RESISTOR_RECORD_LETTER) run_.hasResistor = true;

  const auto slot = static_cast<std::size_t>(index);
  if (inUse[slot] != 0) {
    log_.Printf(LOG_ROUTE_PIN_IN_USE, fileName_.c_str(), Line(), letter, name.c_str(), index);
    return Outcome::Stop;
  }
  inUse[slot] = 1;
  run_.node.points.push_back(pins[slot]);
  run_.node.components.push_back(component);
  return Outcome::Continue;
}

void RouteNetlistReader::CloseRun() {
  std::string name;
  reader_.ReadFieldOnLine(stream_, name);
  DropCarriageReturns(name);
  NetDraft run = std::exchange(run_, NetDraft{});
  run.node.SetName(name);
  const std::string& netName = run.node.name;

  if (!netName.empty()) {
    // Pins that share a name are connected however many runs name them.
    if (const auto found = namedNets_.find(netName); found != namedNets_.end()) {
      nets_[found->second].Append(run);
      return;
    }
    if (run.node.points.empty()) return;
    namedNets_.emplace(netName, nets_.size());
    nets_.push_back(std::move(run));
    return;
  }
  // A net of one pin has nothing to join; its pin stays claimed.
  if (run.node.PointCount() < 2) return;
  nets_.push_back(std::move(run));
}

void RouteNetlistReader::PublishNets() {
  NetList& list = board_.GetNetList();
  for (NetDraft& draft : nets_) {
    if (draft.node.PointCount() < 2) continue;
    draft.node.ComputeBoundingBox();
    OrderNetPoints(draft.node, draft.hasResistor);
    draft.node.routed = false;
    list.Add(std::move(draft.node));
  }
  nets_.clear();
  namedNets_.clear();
}

Component* RouteNetlistReader::FindComponent(const std::string& name, char letter) const {
  for (const auto& item : board_.Items()) {
    Component* component = item->GetComponent();
    if (component != nullptr && component->TypeLetter() == letter && component->Name() == name)
      return component;
  }
  return nullptr;
}

}  // namespace

std::int32_t ReadRouteNetlist(CBrdDoc& board, LogStream& log, std::FILE* stream,
                              std::string_view fileName, int pinIndexBase, FieldReader& reader) {
  try {
    RouteNetlistReader netlistReader(board, log, stream, fileName, pinIndexBase, reader);
    return netlistReader.Read();
  } catch (const std::bad_alloc&) {
    log.Printf("%s", LOG_OUT_OF_MEMORY);
    return 0;
  }
}

std::int32_t ReadRouteNetlist(CBrdDoc& board, LogStream& log, const std::filesystem::path& path,
                              int pinIndexBase, FieldReader& reader) {
  const std::string fileName = path.string();
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "r"));
  if (!file) {
    log.Printf(LOG_ROUTE_CANT_OPEN, fileName.c_str());
    return 0;
  }
  return ReadRouteNetlist(board, log, file.get(), fileName, pinIndexBase, reader);
}

}  // namespace cuprum
