#include "model3d/descriptionreader.h"

#include <algorithm>

#include <cmath>
#include <memory>
#include <string>

#include "board/brddoc.h"
#include "model3d/bytestream.h"
#include "model3d/evaluator.h"
#include "model3d/lettercounters.h"
#include "model3d/lexer.h"
#include "model3d/parser.h"
#include "model3d/reporters.h"
#include "model3d/symboltable.h"
#include "model3d/tokens.h"
#include "parts/component2pin.h"
#include "parts/dip.h"
#include "parts/edge.h"
#include "parts/markcomponents.h"
#include "parts/placecomponent.h"
#include "parts/sip.h"
#include "parts/zip.h"
#include "platform/platform.h"

namespace cuprum {

namespace {

// Sizes written with single-precision constants come back a hair off a whole
// number of positions; this much still counts as the whole number.
constexpr double POSITION_TOLERANCE = 1e-6;
// A board is a quarter of a tenth of an inch thick per copper side.
constexpr double THICKNESS_PER_LAYER = 0.25 * METRES_PER_TENTH;

// Binds the stream and the front end to the process-wide reader state for
// one read and gives back the bindings it found, however the read ends, so
// that nothing points at the stream once it is gone.
class ReadSession {
 public:
  ReadSession(ByteStream& stream, Platform& platform)
      : previousStream_(Lexer::Process().Stream()),
        previousPlatform_(Reporters::Process().BoundPlatform()) {
    Lexer::Process().BindStream(&stream);
    Reporters::Process().BindPlatform(&platform);
  }
  ~ReadSession() {
    Lexer::Process().BindStream(previousStream_);
    Lexer::Process().SetDeclarationMode(false);
    Reporters::Process().BindPlatform(previousPlatform_);
  }
  ReadSession(const ReadSession&) = delete;
  ReadSession& operator=(const ReadSession&) = delete;

 private:
  ByteStream* previousStream_;
  Platform* previousPlatform_;
};

// Everything one read starts from: letters from Z, line 1, a fresh symbol
// table in declaration mode, and no error.
void PrepareRead(ByteStream& stream) {
  LetterCounters::Process().Reset();
  Lexer& lexer = Lexer::Process();
  lexer.Reset();
  lexer.BindStream(&stream);
  SymbolTable::Process().Reset();
  lexer.SetDeclarationMode(true);
  Reporters::Process().SetErrorLevel(ERROR_LEVEL_NONE);
}

// value rounded when it lies within the tolerance of a whole number.
double Snapped(double value) {
  const double nearest = std::round(value);
  return std::fabs(value - nearest) < POSITION_TOLERANCE ? nearest : value;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The letter a declared name gives its object: its last character as the
// names are written ("pDIP_Q" gives Q), or, when a name ends in digits or
// underscores (as the names past the 25th letter do, "pDIP_Z26"), the last
// letter before them. A name without letters leaves the object's own.
char LetterOfName(std::string_view name, char fallback) {
  const auto last = std::find_if(name.rbegin(), name.rend(), [](char c) { return IsLetter(c); });
  return last != name.rend() ? *last : fallback;
}

RealVector ReadVector() {
  Lexer& lexer = Lexer::Process();
  ByteStream& stream = *lexer.Stream();
  RealVector v;
  lexer.Match(TOKEN_REAL_VECTOR);
  lexer.Match(TOKEN_LEFT_BRACE);
  v.x = EvaluateArgument(stream);
  lexer.Match(TOKEN_COMMA);
  v.y = EvaluateArgument(stream);
  lexer.Match(TOKEN_COMMA);
  v.z = EvaluateArgument(stream);
  lexer.Match(TOKEN_RIGHT_BRACE);
  return v;
}

// The orientation after the centred flag, the position and the optional
// velocity.
void ReadPlacementArguments(MechanicalComponent& body) {
  Lexer& lexer = Lexer::Process();
  body.SetOrientation(ReadVector());
  lexer.Match(TOKEN_COMMA);
  body.SetPosition(ReadVector());
  if (lexer.CurrentToken() == TOKEN_COMMA) {
    lexer.Advance();
    body.SetVelocity(ReadVector());
  }
}

// [flag, orientation,] position [, velocity]. The flag's value is not used:
// a body read back keeps its constructor's centring.
void ReadMechanicalArguments(MechanicalComponent& body) {
  Lexer& lexer = Lexer::Process();
  if (lexer.CurrentToken() == TOKEN_INTEGER) {
    lexer.Advance();
    lexer.Match(TOKEN_COMMA);
    ReadPlacementArguments(body);
    return;
  }
  body.SetPosition(ReadVector());
  if (lexer.CurrentToken() == TOKEN_COMMA) {
    lexer.Advance();
    body.SetVelocity(ReadVector());
  }
}

// size x, y, z, then the mechanical arguments. Pads and reserved locations
// are written as cubes without a size line; after the first number, a
// RealVector shows that the number was the centred flag of such a statement.
void ReadCubeArguments(Cube& cube) {
  Lexer& lexer = Lexer::Process();
  ByteStream& stream = *lexer.Stream();
  if (lexer.CurrentToken() == TOKEN_REAL_VECTOR) {
    ReadMechanicalArguments(cube);
    return;
  }
  RealVector size;
  size.x = EvaluateArgument(stream);
  lexer.Match(TOKEN_COMMA);
  if (lexer.CurrentToken() == TOKEN_REAL_VECTOR) {
    ReadPlacementArguments(cube);
    return;
  }
  size.y = EvaluateArgument(stream);
  lexer.Match(TOKEN_COMMA);
  size.z = EvaluateArgument(stream);
  lexer.Match(TOKEN_COMMA);
  cube.SetSize(size);
  ReadMechanicalArguments(cube);
}

void ReadCylinderArguments(Cylinder& cylinder) {
  Lexer& lexer = Lexer::Process();
  ByteStream& stream = *lexer.Stream();
  cylinder.SetHeight(EvaluateArgument(stream));
  lexer.Match(TOKEN_COMMA);
  cylinder.SetRadius(EvaluateArgument(stream));
  lexer.Match(TOKEN_COMMA);
  ReadMechanicalArguments(cylinder);
}

void ReadSphereArguments(Sphere& sphere) {
  Lexer& lexer = Lexer::Process();
  sphere.SetRadius(EvaluateArgument(*lexer.Stream()));
  lexer.Match(TOKEN_COMMA);
  ReadMechanicalArguments(sphere);
}

// The statement frame around the arguments, in its three forms:
//   Cls name(arguments);   Cls name = Cls(arguments);   Cls *name = new Cls(arguments);
// The current token is the class keyword. `nameObject` takes the name and
// its letter.
template <typename ReadArguments, typename NameObject>
void ReadObjectStatement(int classToken, NameObject nameObject, ReadArguments readArguments) {
  Lexer& lexer = Lexer::Process();
  SymbolTable& table = SymbolTable::Process();
  // The name is a new declaration: an existing one is a redefinition.
  lexer.SetDeclarationMode(true);
  lexer.Advance();
  const bool pointerForm = lexer.CurrentToken() == TOKEN_STAR;
  if (pointerForm) lexer.Advance();
  const int symbol =
      lexer.CurrentToken() == TOKEN_ID ? lexer.CurrentSymbol() : table.LastInCurrentScope();
  nameObject(table.QualifiedName(symbol));
  lexer.Match(TOKEN_ID);
  if (pointerForm || lexer.CurrentToken() == TOKEN_ASSIGN) {
    lexer.Match(TOKEN_ASSIGN);
    if (pointerForm) lexer.Match(TOKEN_NEW);
    const bool mechanical =
        classToken == TOKEN_MECHANICAL_COMPONENT || classToken == TOKEN_COMPONENT;
    const int token = lexer.CurrentToken();
    if (mechanical && (token == TOKEN_MECHANICAL_COMPONENT || token == TOKEN_COMPONENT))
      lexer.Advance();
    else
      lexer.Match(classToken);
  }
  lexer.SetDeclarationMode(false);
  lexer.Match(TOKEN_LEFT_PAREN);
  readArguments();
  lexer.Match(TOKEN_RIGHT_PAREN);
  lexer.Match(TOKEN_SEMICOLON);
}

// Reads a plain body's statement; the body is then dropped.
template <typename Body, typename ReadArguments>
void ReadBody(int classToken, Body& body, ReadArguments readArguments) {
  ReadObjectStatement(
      classToken,
      [&body](const std::string& name) {
        body.SetMechanicalName(name);
        body.SetLetter(LetterOfName(name, body.Letter()));
      },
      [&] { readArguments(body); });
}

// A package statement; the component's pins are laid out from its body.
template <typename Package, typename ReadArguments>
std::unique_ptr<Component> ReadPackage(int classToken, Resolution resolution,
                                       ReadArguments readArguments) {
  auto package = std::make_unique<Package>();
  package->SetResolution(resolution);
  Package& body = *package;
  ReadObjectStatement(
      classToken,
      [&body](const std::string& name) {
        body.SetName(name);
        const char letter = LetterOfName(name, body.Letter());
        body.SetLetter(letter);
        body.SetIdLetter(letter);
      },
      [&] { readArguments(body); });
  package->UpdatePinsFromModel();
  return package;
}

// The board takes its size, grid and layer count from the CircuitBoard body.
// Sizes the grid cannot hold are refused, and the board stays as it was.
void TakeBoardSize(CBrdDoc& board, const CircuitBoard& body) {
  const RealVector size = body.GetSize();
  const double xTenths = Snapped(size.x / METRES_PER_TENTH);
  const double yTenths = Snapped(size.y / METRES_PER_TENTH);
  Resolution resolution = board.GetResolution();
  if (xTenths > LARGEST_50_MIL_WIDTH_TENTHS || yTenths > LARGEST_50_MIL_DEPTH_TENTHS)
    resolution = Resolution::Mil100;
  const int factor = GridStep(resolution);
  const double columns = xTenths * factor;
  const double rows = std::trunc(Snapped(yTenths * factor));
  // Every board is made this thick per side whatever its grid, so the count
  // is taken on the 100-mil scale; on the 50-mil scale a two-sided board
  // would count four sides. The thickness is written to a tenth of a tenth,
  // which a one-sided board's quarter tenth does not keep: the count is the
  // nearest whole one.
  const double layers = std::round(size.z / THICKNESS_PER_LAYER);
  if (!(columns >= 0.0 && columns < MAX_X_SIZE + 1.0) || !(rows >= 0.0 && rows <= MAX_Y_SIZE)) {
    ReportError(BOARD_LARGER_THAN_GRID);
    return;
  }
  if (layers != 1.0 && layers != 2.0) {
    ReportError(BOARD_LAYER_COUNT);
    return;
  }
  const int pinBase = board.PinIndexBase();
  // The thickness is set on the 100-mil scale, so it reads back the same.
  board.SetSettings(Resolution::Mil100, pinBase);
  board.SetLayers(layers);
  board.SetSettings(resolution, pinBase);
  board.SetXSize(columns);
  board.SetYSize(rows);
}

struct Statement {
  int token = TOKEN_END;  // the token the statement began with
  bool read = false;      // whether it began like a statement and was read
  std::unique_ptr<Component> component;
};

class StatementReader {
 public:
  StatementReader(CBrdDoc& board, ByteStream& stream) : board_(board), stream_(stream) {}

  // Reads one statement. A statement that does not begin with a keyword or
  // a name reads nothing.
  Statement ReadStatement() {
    Lexer& lexer = Lexer::Process();
    if (firstToken_) {
      lexer.SetCurrentToken(lexer.NextToken(stream_));
      firstToken_ = false;
    }
    const int token = lexer.CurrentToken();
    if (token == TOKEN_END || lexer.CurrentSymbol() == 0) return Statement{token, false, nullptr};
    return Statement{token, true, ReadKnownStatement(token)};
  }

 private:
  // Bodies that are no parts are read for their errors and dropped.
  template <typename Body, typename ReadArguments>
  static std::unique_ptr<Component> ReadPlainBody(int token, ReadArguments readArguments) {
    Body body;
    ReadBody(token, body, readArguments);
    return nullptr;
  }

  std::unique_ptr<Component> ReadKnownStatement(int token) {
    const Resolution resolution = board_.GetResolution();
    switch (token) {
      case TOKEN_EXTERN: case TOKEN_STATIC:
      case TOKEN_BOOL: case TOKEN_CHAR: case TOKEN_CLASS: case TOKEN_CONST: case TOKEN_DOUBLE:
      case TOKEN_FLOAT: case TOKEN_INT: case TOKEN_LONG: case TOKEN_SHORT: case TOKEN_SIGNED:
      case TOKEN_STRUCT: case TOKEN_UNION: case TOKEN_UNSIGNED: case TOKEN_VOID:
      case TOKEN_VOLATILE: case TOKEN_WCHAR_T:
        ParseDeclaration();
        return nullptr;
      case TOKEN_COMPONENT:
      case TOKEN_MECHANICAL_COMPONENT:
        return ReadPlainBody<MechanicalComponent>(token, ReadMechanicalArguments);
      case TOKEN_CUBE: return ReadPlainBody<Cube>(token, ReadCubeArguments);
      case TOKEN_CYLINDER: return ReadPlainBody<Cylinder>(token, ReadCylinderArguments);
      case TOKEN_SPHERE: return ReadPlainBody<Sphere>(token, ReadSphereArguments);
      case TOKEN_CIRCUIT_BOARD: {
        CircuitBoard body;
        ReadBody(token, body, [](CircuitBoard& b) { ReadCubeArguments(b); });
        // A statement with errors in it says nothing reliable about the size.
        if (ErrorLevel() < ERROR_LEVEL_ERROR) TakeBoardSize(board_, body);
        return nullptr;
      }
      case TOKEN_DIP:
        return ReadPackage<DIP>(token, resolution, [](DIP& b) { ReadCubeArguments(b); });
      case TOKEN_SIP:
        return ReadPackage<SIP>(token, resolution, [](SIP& b) { ReadCubeArguments(b); });
      case TOKEN_ZIP:
        return ReadPackage<ZIP>(token, resolution, [](ZIP& b) { ReadCubeArguments(b); });
      case TOKEN_EDGE:
        return ReadPackage<Edge>(token, resolution, [](Edge& b) { ReadCubeArguments(b); });
      case TOKEN_ELECTRONIC_COMPONENT:
        return ReadPackage<Component2Pin>(token, resolution,
                                          [](Component2Pin& b) { ReadCylinderArguments(b); });
      default:
        ReportFatal(SYNTAX_ERROR);
        return nullptr;
    }
  }

  CBrdDoc& board_;
  ByteStream& stream_;
  bool firstToken_ = true;
};

// One pass over the statements. Returns true when the pass ended because the
// board switched to the 100-mil grid: everything read so far was placed on
// the wrong grid, so the rest need not be read before the second pass.
bool ReadPass(CBrdDoc& board, ByteStream& stream, Platform& platform, const char* fitCaption) {
  StatementReader reader(board, stream);
  const Resolution start = board.GetResolution();
  while (ErrorLevel() < ERROR_LEVEL_ERROR) {
    Statement statement = reader.ReadStatement();
    if (!statement.read) {
      // The end of the input ends the pass quietly; anything else that no
      // statement can begin with is content this reader does not know.
      if (statement.token != TOKEN_END || !stream.AtEnd())
        platform.MessageBox(UNEXPECTED_FILE_CONTENT, UNEXPECTED_FILE_CONTENT_CAPTION,
                            MessageIcon::Error, MessageButtons::Ok);
      break;
    }
    std::unique_ptr<Component> component = std::move(statement.component);
    // A statement with errors in it says nothing reliable about its part.
    if (ErrorLevel() >= ERROR_LEVEL_ERROR) component.reset();
    if (component) {
      if (FitsBoard(*component, board))
        board.AddItem(std::move(component));
      else
        platform.MessageBox(component->Name(), fitCaption, MessageIcon::None, MessageButtons::Ok);
    }
    if (board.GetResolution() != start) return true;
    if (stream.AtEnd()) break;
  }
  return false;
}

}  // namespace

DescriptionReadResult ReadDescription(CBrdDoc& board, std::string_view text, Platform& platform) {
  ByteStream stream(text);
  const ReadSession session(stream, platform);
  DescriptionReadResult result;
  board.SetSettings(Resolution::Mil50, board.PinIndexBase());
  PrepareRead(stream);
  if (!text.empty() && ReadPass(board, stream, platform, FIRST_PASS_FIT_CAPTION)) {
    result.readTwice = true;
    board.DeleteContents();
    stream.Rewind();
    PrepareRead(stream);
    ReadPass(board, stream, platform, SECOND_PASS_FIT_CAPTION);
  }
  MarkComponents(board);
  result.errorLevel = ErrorLevel();
  return result;
}

}  // namespace cuprum
