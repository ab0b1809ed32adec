#include "board/presets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/boardsettings.h"
#include "board/newboard.h"

namespace cuprum {
namespace {

// The text's lines, each of which must end with CR LF.
std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text does not end with CR LF";
      break;
    }
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find('\n'), std::string::npos) << "bare line feed in " << line;
    EXPECT_EQ(line.find('\r'), std::string::npos) << "bare carriage return in " << line;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

// The net of each pin record, by "E <connector> <pin>" line.
struct PinNet {
  std::string pin;  // "PC8ISA 1"
  std::string net;  // "N A0" or "N"
};

std::vector<PinNet> PinNets(const std::string& text) {
  const auto lines = CrLfLines(text);
  EXPECT_EQ(lines.size() % 3, 0U);
  std::vector<PinNet> pins;
  for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
    EXPECT_EQ(lines[i].rfind("E ", 0), 0U) << lines[i];
    EXPECT_EQ(lines[i + 2], "");
    pins.push_back({lines[i].substr(2), lines[i + 1]});
  }
  return pins;
}

TEST(PresetTexts, EightBitIsaLayoutIsByteExact) {
  EXPECT_EQ(LayoutPresetText(BoardType::Isa8),
            "E PC8ISA 39 1 62 3 R\r\nS BORDER0 8 2 2 D\r\nS BORDER1 8 3 8 R\r\n"
            "S BORDER2 1 2 2 D\r\nS BORDER3 43 2 2 D\r\nS BORDER4 43 3 4 R\r\n"
            "S BORDER5 40 2 2 D\r\n");
}

TEST(PresetTexts, LayoutsNameTheirConnectorsAndKeepOutAreas) {
  const auto isa16 = CrLfLines(*LayoutPresetText(BoardType::Isa16));
  ASSERT_EQ(isa16.size(), 11U);
  EXPECT_EQ(isa16[1], "E PC16ISA 60 1 36 3 R");
  EXPECT_EQ(isa16[4], "S BORDER2 1 2 2 D");
  EXPECT_EQ(isa16[10], "S BORDER8 61 2 2 D");

  const auto apple = CrLfLines(*LayoutPresetText(BoardType::AppleII));
  ASSERT_EQ(apple.size(), 7U);
  EXPECT_EQ(apple[0], "E APPLEII 29 1 50 3 R");
  EXPECT_EQ(apple[6], "S BORDER5 30 2 2 D");

  EXPECT_EQ(LayoutPresetText(BoardType::Pc104Isa8), "D PC8ISA 4 3 64 1 U\r\n");
  EXPECT_EQ(LayoutPresetText(BoardType::Pc104Isa16),
            "D PC8ISA 4 3 64 1 U\r\nD PC16ISA 3 30 40 1 D\r\n");
}

TEST(PresetTexts, PlainPc104WritesEmptyTextsAndGeneralHasNone) {
  EXPECT_EQ(LayoutPresetText(BoardType::Pc104), "");
  EXPECT_EQ(NetlistPresetText(BoardType::Pc104, 1), "");
  EXPECT_EQ(LayoutPresetText(BoardType::General), std::nullopt);
  EXPECT_EQ(NetlistPresetText(BoardType::General, 1), std::nullopt);
  EXPECT_EQ(NetlistPresetText(static_cast<BoardType>(7), 1), std::nullopt);
  EXPECT_EQ(LayoutPresetText(static_cast<BoardType>(-1)), std::nullopt);
}

TEST(PresetTexts, EightBitIsaNetlistNamesEveryPinFromOne) {
  const std::string text = *NetlistPresetText(BoardType::Isa8, 1);
  EXPECT_EQ(text.rfind("E PC8ISA 1\r\nN A0\r\n\r\nE PC8ISA 2\r\nN A1\r\n\r\n", 0), 0U);
  const auto pins = PinNets(text);
  ASSERT_EQ(pins.size(), 62U);
  for (std::size_t i = 0; i < pins.size(); ++i)
    EXPECT_EQ(pins[i].pin, "PC8ISA " + std::to_string(i + 1));
  EXPECT_EQ(pins[21].net, "N I/O_CH_RDY");
  EXPECT_EQ(pins[30].net, "N ~I/O_CH_CK");
  EXPECT_EQ(pins[38].net, "N ~0WS");
  EXPECT_EQ(pins[57].net, "N T/C");
  EXPECT_EQ(pins[61].net, "N GND");
  // The shared supply nets appear on every pin that carries them.
  std::vector<std::size_t> ground;
  for (std::size_t i = 0; i < pins.size(); ++i)
    if (pins[i].net == "N GND") ground.push_back(i + 1);
  EXPECT_EQ(ground, (std::vector<std::size_t>{32, 41, 62}));
  // The 8-bit PC/104 card carries the same bus.
  EXPECT_EQ(NetlistPresetText(BoardType::Pc104Isa8, 1), text);
}

TEST(PresetTexts, SixteenBitIsaWithBaseZeroPutsTheExtraConnectorFirst) {
  const std::string text = *NetlistPresetText(BoardType::Isa16, 0);
  EXPECT_EQ(text.rfind("E PC16ISA 0\r\nN D15\r\n\r\n", 0), 0U);
  const std::string tail = "E PC8ISA 61\r\nN GND\r\n\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  const auto pins = PinNets(text);
  ASSERT_EQ(pins.size(), 36U + 62U);
  EXPECT_EQ(pins[35].pin, "PC16ISA 35");
  EXPECT_EQ(pins[35].net, "N GND");
  EXPECT_EQ(pins[36].pin, "PC8ISA 0");
  EXPECT_EQ(pins[36].net, "N A0");
  EXPECT_EQ(NetlistPresetText(BoardType::Pc104Isa16, 0), text);
}

TEST(PresetTexts, BaseZeroNumbersEveryPinOneLowerWithTheSameNets) {
  const auto one = PinNets(*NetlistPresetText(BoardType::AppleII, 1));
  const auto zero = PinNets(*NetlistPresetText(BoardType::AppleII, 0));
  ASSERT_EQ(one.size(), 50U);
  ASSERT_EQ(zero.size(), one.size());
  for (std::size_t i = 0; i < one.size(); ++i) {
    EXPECT_EQ(one[i].pin, "APPLEII " + std::to_string(i + 1));
    EXPECT_EQ(zero[i].pin, "APPLEII " + std::to_string(i));
    EXPECT_EQ(zero[i].net, one[i].net);
  }
}

TEST(PresetTexts, AppleIiPinsNineteenAndThirtyFiveHaveNoNet) {
  const auto pins = PinNets(*NetlistPresetText(BoardType::AppleII, 1));
  ASSERT_EQ(pins.size(), 50U);
  for (std::size_t i = 0; i < pins.size(); ++i) {
    const bool unconnected = i + 1 == 19 || i + 1 == 35;
    EXPECT_EQ(pins[i].net == "N", unconnected) << "pin " << i + 1 << ": " << pins[i].net;
  }
  EXPECT_EQ(pins[0].net, "N ~I/O_SELECT");
  EXPECT_EQ(pins[17].net, "N R/~W");
  EXPECT_EQ(pins[37].net, "N @1");
  EXPECT_EQ(pins[40].net, "N ~DEVICE_SELECT");
  EXPECT_EQ(pins[49].net, "N +12V");
}

TEST(PresetSizeRules, BusCardsRaiseTheSizeToTheirConnector) {
  const struct {
    BoardType type;
    int x, y;
    int wantX, wantY;
  } cases[] = {
      {BoardType::Isa8, 30, 40, 44, 40},       {BoardType::Isa8, 50, 5, 50, 12},
      {BoardType::Isa16, 30, 40, 64, 40},      {BoardType::Isa16, 100, 80, 100, 80},
      {BoardType::AppleII, 10, 10, 34, 12},    {BoardType::General, 10, 5, 10, 5},
      {BoardType::Pc104, 100, 80, 38, 36},     {BoardType::Pc104Isa8, 1, 1, 38, 36},
      {BoardType::Pc104Isa16, 64, 40, 38, 36},
  };
  for (const auto& c : cases) {
    NewBoardSettings settings;
    settings.xTenths = c.x;
    settings.yTenths = c.y;
    SelectBoardType(settings, c.type);
    EXPECT_EQ(settings.type, c.type);
    EXPECT_EQ(settings.xTenths, c.wantX) << BoardTypeLabel(c.type);
    EXPECT_EQ(settings.yTenths, c.wantY) << BoardTypeLabel(c.type);
  }
}

TEST(PresetSizeRules, LabelsAndIndicesFollowTheRadioGroup) {
  EXPECT_EQ(BoardTypeLabel(BoardType::Isa8), "8-bit ISA");
  EXPECT_EQ(BoardTypeLabel(BoardType::Pc104Isa16), "16-bit PC/104");
  EXPECT_EQ(BoardTypeFromIndex(3), BoardType::AppleII);
  EXPECT_EQ(BoardTypeFromIndex(7), std::nullopt);
  EXPECT_EQ(BoardTypeFromIndex(-1), std::nullopt);
}

TEST(BoardOptionValues, FiftyMilNarrowsXToWhatTheGridHolds) {
  BoardSettings settings;
  settings.xTenths = 100;
  SelectResolution(settings, Resolution::Mil50);
  EXPECT_EQ(settings.xTenths, 64);
  EXPECT_EQ(settings.resolution, Resolution::Mil50);
  settings.xTenths = 30;
  SelectResolution(settings, Resolution::Mil50);
  EXPECT_EQ(settings.xTenths, 30);
  // Back to 100 mil leaves the size alone.
  SelectResolution(settings, Resolution::Mil100);
  EXPECT_EQ(settings.xTenths, 30);
  EXPECT_EQ(settings.resolution, Resolution::Mil100);
}

TEST(BoardOptionValues, RangeChecksStopAtTheFirstBadSize) {
  const auto check = [](int x, int y, Resolution r) {
    return ValidateBoardSettings(BoardSettings{x, y, r, 1});
  };
  EXPECT_EQ(check(128, 80, Resolution::Mil100), std::nullopt);
  EXPECT_EQ(check(64, 80, Resolution::Mil50), std::nullopt);
  // Leaving the dialog with X 100 at 50 mil is refused.
  EXPECT_EQ(check(100, 40, Resolution::Mil50), "Enter an integer between 1 and 64.");
  EXPECT_EQ(check(129, 40, Resolution::Mil100), "Enter an integer between 1 and 128.");
  EXPECT_EQ(check(64, 81, Resolution::Mil100), "Enter an integer between 1 and 80.");
  EXPECT_EQ(check(64, 81, Resolution::Mil50), "Enter an integer between 1 and 80.");
  // X is exchanged before Y.
  EXPECT_EQ(check(200, 200, Resolution::Mil100), "Enter an integer between 1 and 128.");
}

TEST(BoardOptionValues, SizeEditsTakeUnsignedNumbersOnly) {
  int value = 7;
  EXPECT_EQ(ReadSizeField("abc", 80, value), "Enter a positive integer.");
  EXPECT_EQ(ReadSizeField("-5", 80, value), "Enter a positive integer.");
  EXPECT_EQ(ReadSizeField("", 80, value), "Enter a positive integer.");
  EXPECT_EQ(ReadSizeField("12x", 80, value), "Enter a positive integer.");
  EXPECT_EQ(ReadSizeField("99999999999", 80, value), "Enter a positive integer.");
  EXPECT_EQ(ReadSizeField("81", 80, value), "Enter an integer between 1 and 80.");
  EXPECT_EQ(value, 7);
  EXPECT_EQ(ReadSizeField(" 42 ", 80, value), std::nullopt);
  EXPECT_EQ(value, 42);
}

}  // namespace
}  // namespace cuprum
