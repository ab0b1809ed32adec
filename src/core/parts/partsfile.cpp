#include "parts/partsfile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "model3d/lettercounters.h"
#include "parts/component.h"
#include "parts/componentfactory.h"
#include "parts/generatedlayout.h"
#include "parts/placecomponent.h"
#include "platform/platform.h"

namespace cuprum {

namespace {

enum class FileKind { PartsList, PartsLayout, Other };

// The last four characters of the name, in lower case; empty when shorter.
std::string Ending(const std::filesystem::path& path) {
  constexpr std::size_t ENDING_LENGTH = 4;  // ".prt", ".lay"
  const std::string name = path.string();
  if (name.size() < ENDING_LENGTH) return {};
  std::string tail = name.substr(name.size() - ENDING_LENGTH);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail;
}

FileKind KindOf(const std::filesystem::path& path) {
  const std::string tail = Ending(path);
  if (tail == ".prt") return FileKind::PartsList;
  if (tail == ".lay") return FileKind::PartsLayout;
  return FileKind::Other;
}

bool IsFixedPart(char letter) { return letter == 'E' || letter == 'P' || letter == 'R'; }

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// One parse: the file, the reader, and the position that records carry over.
class PartsParser {
 public:
  PartsParser(LogStream& log, CBrdDoc& board, const std::filesystem::path& path, LayoutMode mode,
              Platform& platform, FieldReader& reader, std::FILE* file, bool partsList)
      : log_(log),
        board_(board),
        path_(path.string()),
        mode_(mode),
        platform_(platform),
        reader_(reader),
        file_(file),
        partsList_(partsList) {}

  int Run(PartsFileReport& report);

 private:
  enum class Step { Ok, Failed };

  Step ReadRecord(char letter, PartsFileReport& report);
  // A whole field as a number; false when the read fails or the file ended
  // before the field.
  bool ReadNumber(int& value);
  // The next of the given letters in the file, passing over everything else,
  // across lines; false when the file ends first.
  bool ReadLetterOf(const char* letters, char& found);
  void LogRecordError(char letter, const std::string& name) {
    log_.Printf(LOG_PARSING_ERROR_NAMED, path_.c_str(), reader_.LineNumber(), letter, name.c_str());
  }

  LogStream& log_;
  CBrdDoc& board_;
  std::string path_;
  LayoutMode mode_;
  Platform& platform_;
  FieldReader& reader_;
  std::FILE* file_;
  bool partsList_;
  int column_ = 0;
  int row_ = 0;
  int side_ = 0;
};

bool PartsParser::ReadNumber(int& value) {
  const int before = value;
  if (reader_.ReadIntField(file_, value) == 0) return false;
  if (reader_.AtEnd()) {
    value = before;
    return false;
  }
  return true;
}

bool PartsParser::ReadLetterOf(const char* letters, char& found) {
  for (;;) {
    const char c = reader_.ReadRecordLetter(file_);
    if (c == '\0') return false;  // read error or end of file
    for (const char* l = letters; *l != '\0'; ++l)
      if (c == *l) {
        found = c;
        return true;
      }
  }
}

PartsParser::Step PartsParser::ReadRecord(char letter, PartsFileReport& report) {
  std::unique_ptr<Component> component;
  try {
    component = MakeComponent(letter);
  } catch (const std::bad_alloc&) {
    log_.Printf("%s", LOG_OUT_OF_MEMORY);
    return Step::Failed;
  }
  if (letter == 'Z' && board_.GetResolution() == Resolution::Mil100)
    platform_.MessageBox(ZIP_RESOLUTION_WARNING, LAYOUT_WARNING_CAPTION, MessageIcon::Warning,
                         MessageButtons::Ok);

  std::string name;
  if (reader_.ReadField(file_, name) == 0 || (name.empty() && reader_.AtEnd())) {
    log_.Printf(LOG_PARSING_ERROR, path_.c_str(), reader_.LineNumber(), letter);
    return Step::Failed;
  }
  component->SetName(name);
  name = component->Name();

  const bool layout = !partsList_;
  if (layout || IsFixedPart(letter)) {
    int x = 0;
    int y = 0;
    if (!ReadNumber(x) || !ReadNumber(y)) {
      LogRecordError(letter, name);
      return Step::Failed;
    }
    // Positions from the file are tenths of an inch: columns wrap at 256,
    // rows at 128, before the grid step scales them.
    column_ = x & 0xFF;
    row_ = y & 0x7F;
    side_ = 0;
  }
  if (mode_ == LayoutMode::Generated && !IsFixedPart(letter)) {
    column_ = 0;
    row_ = 0;
    // Arranged parts stand on the bottom side like every through-hole part,
    // whatever side an earlier pad was given.
    side_ = 0;
    ++report.toArrange;
  }
  char direction = 'L';

  auto readCount = [&](int& count) {
    if (!ReadNumber(count) || count < 0 || count > MAX_PARTS_FILE_PIN_COUNT) return false;
    component->SetPinCount(count);
    component->AllocatePinTables();
    return true;
  };
  auto readWidth = [&]() {
    int width = 0;
    if (!ReadNumber(width) || width < 0 || width > MAX_PARTS_FILE_WIDTH) return false;
    component->SetWidth(width);
    return true;
  };
  auto readDirection = [&]() { return ReadLetterOf("LRUD", direction); };

  bool ok = true;
  int count = 0;
  switch (letter) {
    case 'C':
      component->SetPinCount(2);
      component->AllocatePinTables();
      ok = readWidth() && (!layout || readDirection());
      break;
    case 'D':
    case 'Z': ok = readCount(count) && readWidth() && (!layout || readDirection()); break;
    case 'E':
      ok = readCount(count) && readWidth() && readDirection();
      side_ = 1;
      break;
    case 'P':
    case 'R': {
      component->SetWidth(1);
      component->SetPinCount(1);
      component->AllocatePinTables();
      char sideLetter = 'B';
      ok = ReadLetterOf("TB", sideLetter);
      if (sideLetter == 'T') side_ = 1;
      break;
    }
    case 'S':
      component->SetWidth(1);
      ok = readCount(count) && (!layout || readDirection());
      break;
    default: break;
  }
  if (!ok) {
    LogRecordError(letter, name);
    return Step::Failed;
  }
  if (mode_ == LayoutMode::Generated && !IsFixedPart(letter)) direction = 'L';

  ++report.components;
  const PinPoint position{MakeGridPoint(column_, row_, side_), CELL_HOLE};
  if (PlaceComponent(std::move(component), position, direction, board_, mode_, platform_) ==
      nullptr) {
    ++report.rejected;
    report.rejectedParts.push_back({name, reader_.LineNumber()});
  }
  return Step::Ok;
}

int PartsParser::Run(PartsFileReport& report) {
  for (;;) {
    const char letter = reader_.ReadRecordLetter(file_);
    if (letter == '\0') break;  // end of file (or a read error, which ends it too)
    if (!IsRecordLetter(letter)) continue;
    if (ReadRecord(letter, report) == Step::Failed) return 0;
  }
  if (mode_ == LayoutMode::Specified) return 1;
  // A board too small for the parts is enlarged by the first plan; the second
  // plan then decides.
  return PlanGeneratedLayout(board_, report.toArrange, platform_) ? 1 : 0;
}

}  // namespace

bool IsPartsListName(const std::filesystem::path& path) {
  return KindOf(path) == FileKind::PartsList;
}

int ReadPartsFile(LogStream& log, CBrdDoc& board, const std::filesystem::path& path,
                  LayoutMode mode, Platform& platform, FieldReader& reader,
                  PartsFileReport* report) {
  PartsFileReport localReport;
  PartsFileReport& out = report != nullptr ? *report : localReport;
  out = PartsFileReport{};

  LetterCounters::Process().Reset();
  const FileKind kind = KindOf(path);
  if (kind == FileKind::Other) return 1;

  std::error_code ec;
  std::unique_ptr<std::FILE, FileCloser> file(
      std::filesystem::is_directory(path, ec) ? nullptr : std::fopen(path.c_str(), "r"));
  if (!file) {
    log.Printf(LOG_CANT_OPEN_LAYOUT, path.c_str());
    return 0;
  }
  reader.Reset();
  try {
    PartsParser parser(log, board, path, mode, platform, reader, file.get(),
                       kind == FileKind::PartsList);
    const int result = parser.Run(out);
    out.numberErrors = reader.IntegerSyntaxErrors();
    return result;
  } catch (const std::bad_alloc&) {
    log.Printf("%s", LOG_OUT_OF_MEMORY);
    return 0;
  }
}

}  // namespace cuprum
