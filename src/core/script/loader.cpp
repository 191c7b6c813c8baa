#include "script/loader.h"

#include <string_view>

#include "model/project.h"
#include "script/lexical.h"
#include "script/parse_statement.h"
#include "script/read_file.h"

namespace velk {
namespace {

int Fail(LoadReport* report, int code, int line, std::string reason) {
  if (report) *report = LoadReport{line, std::move(reason)};
  return code;
}

// The statement of a rejected line, cut to what a line may hold, for the log.
std::string_view Shown(std::string_view statement) { return statement.substr(0, kMaxLineBytes); }

int RefuseLongLine(Project& project, LoadReport* report, int line, std::string_view statement,
                   const char* what) {
  project.log.AppendLog("Logic Error synt 4! STR = ");
  project.log.AppendLog(Shown(statement));
  return Fail(report, kLoadRejected, line,
              std::string(what) + " longer than " + std::to_string(kMaxLineBytes) + " bytes");
}

// One line of the script: 0 to go on, else the result code that ends the load.
// END is reported as kLoadOk with `ended` set.
int LoadLine(Project& project, std::string_view text, int line, LoadReport* report, bool& ended) {
  project.current_comment.clear();
  LexedLine lexed = ApplyLexicalRules(text);
  if (lexed.statement.size() > kMaxLineBytes) return RefuseLongLine(project, report, line, lexed.statement, "line");
  if (lexed.comment.size() > kMaxLineBytes) return RefuseLongLine(project, report, line, lexed.statement, "comment");
  project.current_comment = lexed.comment;
  if (lexed.statement.empty()) return kLoadOk;
  if (lexed.statement.back() != ';') {
    project.log.AppendLog("Logic_read Error 5! no ;");
    return Fail(report, kLoadNoSemicolon, line, "Logic_read Error 5! no ;");
  }
  lexed.statement.pop_back();
  if (lexed.statement == "END") {
    ended = true;
    return kLoadOk;
  }
  project.log.AppendLog(lexed.statement);
  const std::string message_before = project.parser_message;
  if (ParseStatement(project, lexed.statement) == 0) return kLoadOk;
  project.log.AppendLog("Logic Error synt 4! STR = ");
  project.log.AppendLog(lexed.statement);
  std::string reason = "Logic Error synt 4! STR = " + lexed.statement;
  if (project.parser_message != message_before && !project.parser_message.empty())
    reason += " (" + project.parser_message + ")";
  return Fail(report, kLoadRejected, line, std::move(reason));
}

}  // namespace

int LoadScript(Project& project, const std::string& path, LoadReport* report) {
  FileBytes file;
  const ReadFileResult opened = ReadFileBytes(path, file);
  if (opened == ReadFileResult::NoFile) {
    project.log.AppendLog("нет файла");
    return Fail(report, kLoadNoFile, 0, "нет файла");
  }
  if (opened == ReadFileResult::NoMemory) {
    project.log.AppendLog("нет памяти");
    return Fail(report, kLoadNoMemory, 0, "нет памяти");
  }
  const size_t read = file.size;
  if (read == 0) {
    project.log.AppendLog("файл не прочитан");
    return Fail(report, kLoadOk, 0, "файл не прочитан");
  }
  project.log.AppendLog("Размер файла:" + std::to_string(read));

  const std::string_view bytes = file.view();
  size_t position = static_cast<unsigned char>(bytes[0]) == 0xEF ? 3 : 0;
  int line = 0;
  while (position < bytes.size()) {
    const size_t feed = bytes.find('\n', position);
    const size_t stop = feed == std::string_view::npos ? bytes.size() : feed;
    ++line;
    bool ended = false;
    const int code = LoadLine(project, bytes.substr(position, stop - position), line, report, ended);
    if (code != kLoadOk || ended) return code;
    position = stop + 1;
  }
  return Fail(report, kLoadNoFile, 0, "no END line");
}

}  // namespace velk
