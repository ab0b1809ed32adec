#include "board/presets.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>

namespace cuprum {

namespace {

constexpr std::string_view LINE_END = "\r\n";

// One connector of a bus card: its name in the layout and the net of each
// pin in pin order; nullptr where the bus leaves a pin unconnected.
struct Connector {
  std::string_view name;
  std::span<const char* const> nets;
};

// clang-format off
constexpr std::array<const char*, 62> PC8ISA_NETS = {
    "A0", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9",  // 1-10
    "A10", "A11", "A12", "A13", "A14", "A15", "A16", "A17", "A18", "A19",  // 11-20
    "AEN", "I/O_CH_RDY", "D0", "D1", "D2", "D3", "D4", "D5", "D6", "D7",  // 21-30
    "~I/O_CH_CK", "GND", "Reset", "+5V", "IRQ2", "-5V", "DRQ2", "-12V", "~0WS", "+12V",  // 31-40
    "GND", "~MEMW", "~MEMR", "~IOW", "~IOR", "~DACK3", "DRQ3", "~DACK1", "DRQ1", "~DACK0",  // 41-50
    "CLK", "IRQ7", "IRQ6", "IRQ5", "IRQ4", "IRQ3", "~DACK2", "T/C", "BALE", "+5V",  // 51-60
    "OSC", "GND",  // 61-62
};

constexpr std::array<const char*, 36> PC16ISA_NETS = {
    "D15", "D14", "D13", "D12", "D11", "D10", "D9", "D8", "~MEMW", "~MEMR",  // 1-10
    "A17", "A18", "A19", "A20", "A21", "A22", "A23", "SBHE", "~MEM_CS16", "~I/O_CS16",  // 11-20
    "IRQ10", "IRQ11", "IRQ12", "IRQ15", "IRQ14",  // 21-25
    "~DACK0", "DRQ0", "~DACK5", "DRQ5", "~DACK6",  // 26-30
    "DRQ6", "~DACK7", "DRQ7", "+5V", "~MASTER", "GND",  // 31-36
};

constexpr std::array<const char*, 50> APPLEII_NETS = {
    "~I/O_SELECT", "A0", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8",  // 1-10
    "A9", "A10", "A11", "A12", "A13", "A14", "A15", "R/~W", nullptr, "~I/O_STROBE",  // 11-20
    "RDY", "~DMA", "INT_OUT", "DMA_OUT", "+5V", "GND", "DMA_IN", "INT_IN", "~NMI", "~IRQ",  // 21-30
    "~RES", "~INH", "-12V", "-5V", nullptr, "7M", "Q3", "@1", "USER_1", "@0",  // 31-40
    "~DEVICE_SELECT", "D7", "D6", "D5", "D4", "D3", "D2", "D1", "D0", "+12V",  // 41-50
};
// clang-format on

constexpr Connector PC8ISA{"PC8ISA", PC8ISA_NETS};
constexpr Connector PC16ISA{"PC16ISA", PC16ISA_NETS};
constexpr Connector APPLEII{"APPLEII", APPLEII_NETS};

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text += line;
    text += LINE_END;
  }
  return text;
}

// "E <connector> <pin>", "N <net>" (or "N" alone), an empty line; per pin.
void AppendNetlist(std::string& text, const Connector& connector, int pinBase) {
  int pin = pinBase;
  for (const char* net : connector.nets) {
    text += "E ";
    text += connector.name;
    text += ' ';
    text += std::to_string(pin++);
    text += LINE_END;
    text += 'N';
    if (net != nullptr) {
      text += ' ';
      text += net;
    }
    text += LINE_END;
    text += LINE_END;
  }
}

// The minimum width the card's edge connector needs; the depth the
// connector and its keep-out areas need.
constexpr int ISA8_MIN_X = 44;
constexpr int ISA16_MIN_X = 64;
constexpr int APPLEII_MIN_X = 34;
constexpr int CARD_MIN_Y = 12;
// PC/104 modules have one fixed outline.
constexpr int PC104_X = 38;
constexpr int PC104_Y = 36;

}  // namespace

std::optional<BoardType> BoardTypeFromIndex(int index) {
  if (index < 0 || index >= BOARD_TYPE_COUNT) return std::nullopt;
  return static_cast<BoardType>(index);
}

std::string_view BoardTypeLabel(BoardType type) {
  switch (type) {
    case BoardType::General: return "General";
    case BoardType::Isa8: return "8-bit ISA";
    case BoardType::Isa16: return "16-bit ISA";
    case BoardType::AppleII: return "Apple II";
    case BoardType::Pc104: return "PC/104";
    case BoardType::Pc104Isa8: return "8-bit PC/104";
    case BoardType::Pc104Isa16: return "16-bit PC/104";
  }
  return {};
}

void ApplyBoardTypeSizeRule(BoardType type, BoardSettings& settings) {
  const auto atLeast = [&settings](int x, int y) {
    settings.xTenths = std::max(settings.xTenths, x);
    settings.yTenths = std::max(settings.yTenths, y);
  };
  switch (type) {
    case BoardType::General: break;
    case BoardType::Isa8: atLeast(ISA8_MIN_X, CARD_MIN_Y); break;
    case BoardType::Isa16: atLeast(ISA16_MIN_X, CARD_MIN_Y); break;
    case BoardType::AppleII: atLeast(APPLEII_MIN_X, CARD_MIN_Y); break;
    case BoardType::Pc104:
    case BoardType::Pc104Isa8:
    case BoardType::Pc104Isa16:
      settings.xTenths = PC104_X;
      settings.yTenths = PC104_Y;
      break;
  }
}

std::optional<std::string> LayoutPresetText(BoardType type) {
  switch (type) {
    case BoardType::General: return std::nullopt;
    case BoardType::Isa8:
      return Lines({"E PC8ISA 39 1 62 3 R", "S BORDER0 8 2 2 D", "S BORDER1 8 3 8 R",
                    "S BORDER2 1 2 2 D", "S BORDER3 43 2 2 D", "S BORDER4 43 3 4 R",
                    "S BORDER5 40 2 2 D"});
    case BoardType::Isa16:
      return Lines({"E PC8ISA 39 1 62 3 R", "E PC16ISA 60 1 36 3 R", "S BORDER0 8 2 2 D",
                    "S BORDER1 8 3 8 R", "S BORDER2 1 2 2 D", "S BORDER3 42 2 2 D",
                    "S BORDER4 42 3 3 R", "S BORDER5 40 2 2 D", "S BORDER6 64 2 2 D",
                    "S BORDER7 64 3 4 R", "S BORDER8 61 2 2 D"});
    case BoardType::AppleII:
      return Lines({"E APPLEII 29 1 50 3 R", "S BORDER0 4 2 2 D", "S BORDER1 4 3 4 R",
                    "S BORDER2 1 2 2 D", "S BORDER3 33 2 2 D", "S BORDER4 33 3 4 R",
                    "S BORDER5 30 2 2 D"});
    case BoardType::Pc104: return std::string();
    case BoardType::Pc104Isa8: return Lines({"D PC8ISA 4 3 64 1 U"});
    case BoardType::Pc104Isa16: return Lines({"D PC8ISA 4 3 64 1 U", "D PC16ISA 3 30 40 1 D"});
  }
  return std::nullopt;
}

std::optional<std::string> NetlistPresetText(BoardType type, int pinBase) {
  // A value from outside the radio group is rejected, not written as empty.
  if (!BoardTypeFromIndex(static_cast<int>(type))) return std::nullopt;
  std::string text;
  switch (type) {
    case BoardType::General: return std::nullopt;
    case BoardType::Isa8:
    case BoardType::Pc104Isa8: AppendNetlist(text, PC8ISA, pinBase); break;
    case BoardType::Isa16:
    case BoardType::Pc104Isa16:
      AppendNetlist(text, PC16ISA, pinBase);
      AppendNetlist(text, PC8ISA, pinBase);
      break;
    case BoardType::AppleII: AppendNetlist(text, APPLEII, pinBase); break;
    case BoardType::Pc104: break;
  }
  return text;
}

}  // namespace cuprum
