// Routing benchmark: seeded boards of placed parts and nets, routed by the
// plain and by the recursive router. Prints one markdown table row per board
// and router.
//
//   route_bench [--smoke] [--repeat N] [--budget SECONDS] [--seed N]
//
// --smoke: one run of each case and a 0.2 s budget for the recursive search.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "parts/component.h"
#include "parts/markcomponents.h"
#include "parts/partsfile.h"
#include "platform/recordingplatform.h"
#include "route/congestion.h"
#include "route/connectivitycheck.h"
#include "route/netlist.h"
#include "route/recursiverouter.h"
#include "route/routenetlist.h"
#include "route/router.h"

namespace {

using cuprum::CBrdDoc;
using cuprum::Component;
using cuprum::GridCell;
using cuprum::PinPoint;

struct Case {
  const char* name;
  int xTenths;
  int yTenths;
  cuprum::Resolution resolution;
  int nets;
  // A folder of examples/ whose .lay and .rou make the board; null for a
  // generated board.
  const char* example = nullptr;
};

constexpr Case CASES[] = {
    {"avr example 32x24 @100mil", 32, 24, cuprum::Resolution::Mil100, 0, "avr"},
    {"dense50 example 27x26 @50mil", 27, 26, cuprum::Resolution::Mil50, 0, "dense50"},
    {"64x40 @100mil, 20 nets", 64, 40, cuprum::Resolution::Mil100, 20},
    {"100x80 @100mil, 80 nets", 100, 80, cuprum::Resolution::Mil100, 80},
    {"128x160 @50mil, 150 nets", 64, 80, cuprum::Resolution::Mil50, 150},
};

// Parts on the 100-mil lattice: DIPs of 8 to 16 pins (rows 0.3 inch apart)
// and two-pin parts 0.4 inch long, at random places that keep a free tenth
// around every part.
class Placer {
 public:
  Placer(CBrdDoc& doc, std::mt19937& random)
      : doc_(doc), random_(random), xTenths_(doc.XTenths()), yTenths_(doc.YTenths()),
        taken_(static_cast<std::size_t>((xTenths_ + 1) * (yTenths_ + 1)), 0) {}

  // Places parts until at least `pins` pins stand on the board.
  void PlaceUntil(int pins) {
    int placed = 0;
    for (int attempt = 0; placed < pins && attempt < 20000; ++attempt) {
      std::vector<std::pair<int, int>> cells;  // in tenths
      char letter = 'C';
      const int x = Uniform(2, xTenths_ - 2);
      const int y = Uniform(2, yTenths_ - 2);
      if (Uniform(0, 2) != 0) {
        letter = 'D';
        const int half = Uniform(2, 4) * 2;  // 4 to 8 pins a row
        for (int i = 0; i < half; ++i) cells.emplace_back(x + i, y);
        for (int i = half - 1; i >= 0; --i) cells.emplace_back(x + i, y + 3);
      } else if (Uniform(0, 1) == 0) {
        cells = {{x, y}, {x + 4, y}};
      } else {
        cells = {{x, y}, {x, y + 4}};
      }
      if (!Free(cells)) continue;
      Take(cells);
      AddPart(letter, cells);
      placed += static_cast<int>(cells.size());
    }
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  bool Free(const std::vector<std::pair<int, int>>& cells) const {
    for (const auto& [x, y] : cells) {
      if (x < 2 || y < 2 || x > xTenths_ - 2 || y > yTenths_ - 2) return false;
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          if (taken_[Slot(x + dx, y + dy)] != 0) return false;
    }
    return true;
  }
  void Take(const std::vector<std::pair<int, int>>& cells) {
    for (const auto& [x, y] : cells) taken_[Slot(x, y)] = 1;
  }
  [[nodiscard]] std::size_t Slot(int x, int y) const {
    return static_cast<std::size_t>(x * (yTenths_ + 1) + y);
  }

  void AddPart(char letter, const std::vector<std::pair<int, int>>& cells) {
    const int step = doc_.GridStepSize();
    auto part = std::make_unique<Component>();
    part->SetName(std::string(1, letter) + std::to_string(++parts_));
    part->SetTypeLetterValue(letter);
    part->SetPinCount(static_cast<int>(cells.size()));
    part->AllocatePinTables();
    for (std::size_t i = 0; i < cells.size(); ++i) {
      part->Pins()[i] = PinPoint{
          cuprum::MakeGridPoint(cells[i].first * step, cells[i].second * step, 0), cuprum::CELL_HOLE};
    }
    doc_.AddItem(std::move(part));
  }

  CBrdDoc& doc_;
  std::mt19937& random_;
  int xTenths_;
  int yTenths_;
  std::vector<std::uint8_t> taken_;
  int parts_ = 0;
};

// Nets of 2 to 6 pins, each drawn from the pins near a random first pin, then
// prepared as the netlist reader prepares them.
void MakeNets(CBrdDoc& doc, std::mt19937& random, int netCount) {
  struct FreePin {
    Component* part;
    std::size_t index;
  };
  std::vector<FreePin> pool;
  for (const auto& item : doc.Items()) {
    Component* part = item->GetComponent();
    for (std::size_t i = 0; i < static_cast<std::size_t>(part->PinCount()); ++i)
      pool.push_back({part, i});
  }
  cuprum::NetList& nets = doc.GetNetList();
  nets.Clear();
  for (int n = 0; n < netCount && pool.size() >= 2; ++n) {
    const int size = std::min(std::uniform_int_distribution<int>(2, 6)(random),
                              static_cast<int>(pool.size()));
    std::swap(pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)],
              pool.back());
    const cuprum::GridPoint first = pool.back().part->Pins()[pool.back().index].point;
    const auto distance = [&first](const FreePin& pin) {
      const cuprum::GridPoint p = pin.part->Pins()[pin.index].point;
      return std::abs(p.x - first.x) + std::abs(p.y - first.y);
    };
    std::sort(pool.begin(), pool.end() - 1,
              [&](const FreePin& a, const FreePin& b) { return distance(a) > distance(b); });
    cuprum::NetNode net;
    net.SetName("N" + std::to_string(n));
    const auto take = [&net, &pool](std::size_t at) {
      const FreePin pin = pool[at];
      pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(at));
      net.points.push_back(pin.part->Pins()[pin.index]);
      net.components.push_back(pin.part);
      pin.part->InUse()[pin.index] = 1;
    };
    take(pool.size() - 1);
    // The nearest free pins are now at the end; each further pin is one of
    // the dozen nearest.
    for (int k = 1; k < size; ++k) {
      const std::size_t reach = std::min<std::size_t>(pool.size(), 12);
      take(pool.size() - 1 - std::uniform_int_distribution<std::size_t>(0, reach - 1)(random));
    }
    net.ComputeBoundingBox();
    cuprum::OrderNetPoints(net, false);
    nets.Add(std::move(net));
  }
  cuprum::CongestionCounters& counters = doc.Congestion();
  cuprum::ComputeCongestion(nets, counters);
  cuprum::CountExitVotes(nets, doc.Grid(), counters);
  cuprum::AssignCongestionKeys(nets, counters);
  nets.SortByCongestion();
}

// An example board as the route command sees it: parts placed from its .lay
// file, the grid marked, the nets read from its .rou file.
void BuildExampleBoard(CBrdDoc& doc, const Case& c) {
  const std::filesystem::path folder = std::filesystem::path(CUPRUM_EXAMPLES_DIR) / c.example;
  cuprum::RecordingPlatform platform;
  cuprum::FieldReader reader(platform);
  cuprum::LogStream log;
  const std::string name = c.example;
  if (cuprum::ReadPartsFile(log, doc, folder / (name + ".lay"), cuprum::LayoutMode::Specified,
                            platform, reader) == 0 ||
      (cuprum::MarkComponents(doc),
       cuprum::ReadRouteNetlist(doc, log, folder / (name + ".rou"), 1, reader) == 0)) {
    std::fprintf(stderr, "route_bench: cannot read the %s example:\n%s", c.example,
                 log.Text().c_str());
    std::exit(2);
  }
}

void BuildBoard(CBrdDoc& doc, const Case& c, std::uint32_t seed) {
  std::mt19937 random(seed);
  doc.SetSizeInTenths(c.xTenths, c.yTenths, c.resolution, 1);
  if (c.example != nullptr) {
    BuildExampleBoard(doc, c);
    return;
  }
  Placer placer(doc, random);
  placer.PlaceUntil(c.nets * 5);
  cuprum::MarkComponents(doc);
  MakeNets(doc, random, c.nets);
}

struct Outcome {
  int nets = 0;
  int completed = 0;
  int shorts = 0;
  int vias = 0;
  int copper = 0;
  std::int64_t waves = 0;
  std::int64_t expanded = 0;
  double milliseconds = 0;
  bool stopped = false;
};

void Measure(const CBrdDoc& doc, Outcome& out) {
  const cuprum::BoardGrid& grid = doc.Grid();
  std::vector<std::uint8_t> pin(cuprum::GRID_CELL_COUNT, 0);
  for (const auto& item : doc.Items())
    for (const PinPoint& p : item->GetComponent()->Pins())
      if (cuprum::BoardGrid::Contains(p.point)) pin[cuprum::BoardGrid::Index(p.point.x, p.point.y, 0)] = 1;
  for (int x = 1; x < doc.XSize(); ++x)
    for (int y = 1; y < doc.YSize(); ++y) {
      const GridCell bottom = grid(x, y, 0);
      const GridCell top = grid(x, y, 1);
      if ((bottom & cuprum::CELL_HOLE) != 0 && (top & cuprum::CELL_HOLE) != 0 &&
          pin[cuprum::BoardGrid::Index(x, y, 0)] == 0)
        ++out.vias;
      out.copper += ((bottom & cuprum::CELL_LINKS) != 0 ? 1 : 0) + ((top & cuprum::CELL_LINKS) != 0 ? 1 : 0);
    }
  const cuprum::ConnectivityReport report = cuprum::CheckConnectivity(doc);
  out.nets = static_cast<int>(report.nets.size());
  out.completed = out.nets - report.UnjoinedCount();
  out.shorts = static_cast<int>(report.shorts.size());
}

Outcome RunPlain(const Case& c, std::uint32_t seed) {
  CBrdDoc doc;
  BuildBoard(doc, c, seed);
  cuprum::LogStream log;
  cuprum::RecordingPlatform platform;
  cuprum::Router router(doc, log, platform);
  const auto start = std::chrono::steady_clock::now();
  router.RouteBoard();
  const auto end = std::chrono::steady_clock::now();
  Outcome out;
  out.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
  out.waves = router.Statistics().waves;
  out.expanded = router.Statistics().cellsExpanded;
  Measure(doc, out);
  return out;
}

Outcome RunRecursive(const Case& c, std::uint32_t seed, double budgetSeconds) {
  CBrdDoc doc;
  BuildBoard(doc, c, seed);
  cuprum::LogStream log;
  cuprum::RecordingPlatform platform;
  cuprum::RouteOptions options;
  options.diagnostics = nullptr;
  const auto start = std::chrono::steady_clock::now();
  options.deadline = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                 std::chrono::duration<double>(budgetSeconds));
  cuprum::RecursiveRouter router(doc, log, platform, options);
  router.RouteBoardRecursively(doc.GetNetList().Count());
  const auto end = std::chrono::steady_clock::now();
  Outcome out;
  out.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
  out.waves = router.Statistics().waves;
  out.expanded = router.Statistics().cellsExpanded;
  out.stopped = router.Stopped();
  Measure(doc, out);
  return out;
}

void PrintRow(const Case& c, const char* router, const Outcome& o, const std::string& time) {
  std::printf("| %s | %s | %d | %d | %d | %d | %d | %lld | %lld | %s |\n", c.name, router, o.nets,
              o.completed, o.shorts, o.vias, o.copper, static_cast<long long>(o.waves),
              static_cast<long long>(o.expanded), time.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  bool smoke = false;
  int repeat = 7;
  double budget = 5.0;
  std::uint32_t seed = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--smoke") == 0) {
      smoke = true;
    } else if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc) {
      repeat = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--budget") == 0 && i + 1 < argc) {
      budget = std::atof(argv[++i]);
    } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else {
      std::fprintf(stderr, "usage: route_bench [--smoke] [--repeat N] [--budget SECONDS] [--seed N]\n");
      return 2;
    }
  }
  if (smoke) {
    repeat = 1;
    budget = 0.2;
  }

  std::printf("| board | router | nets | completed | shorts | vias | copper cells | waves | cells expanded | wall time |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
  int failures = 0;
  for (const Case& c : CASES) {
    std::vector<double> times;
    Outcome plain;
    for (int r = 0; r < repeat; ++r) {
      plain = RunPlain(c, seed);
      times.push_back(plain.milliseconds);
    }
    std::sort(times.begin(), times.end());
    char text[96];
    std::snprintf(text, sizeof text, "%.1f ms median, %.1f ms min (%d runs)",
                  times[times.size() / 2], times.front(), repeat);
    PrintRow(c, "plain", plain, text);
    failures += plain.shorts;

    const Outcome recursive = RunRecursive(c, seed, budget);
    std::snprintf(text, sizeof text, "%.0f ms%s (budget %.1f s)", recursive.milliseconds,
                  recursive.stopped ? ", stopped" : "", budget);
    PrintRow(c, "recursive", recursive, text);
    failures += recursive.shorts;
  }
  // Copper joining two nets is a fault whatever the speed.
  return failures == 0 ? 0 : 1;
}
