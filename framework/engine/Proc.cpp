#include "framework/engine/Proc.h"

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Errors.h"
#include "platform/TextRules.h"

namespace {

bool IsLabelChar(QChar c) {
  const ushort u = c.unicode();
  return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
}

// The argument list of a directive: text up to the matching "}", split at ";". "{}"
// gives no argument. pos is left after the "}" (or at the end when it is missing).
QStringList ReadArgs(const QString& s, qsizetype& pos) {
  int depth = 1;
  const qsizetype start = pos;
  while (pos < s.size()) {
    const QChar c = s[pos];
    if (c == '{') depth += 1;
    if (c == '}' && --depth == 0) break;
    ++pos;
  }
  const QString inner = s.mid(start, pos - start);
  if (pos < s.size()) ++pos;  // the "}"
  return inner.isEmpty() ? QStringList() : inner.split(';');
}

}  // namespace

QString ExpandTabs(const QString& entry) {
  if (!entry.contains('\t')) return entry;
  QString out;
  out.reserve(entry.size() + 16);
  int column = 0;  // GBK bytes written so far
  for (qsizetype i = 0; i < entry.size(); ++i) {
    const QChar c = entry[i];
    if (c == '\t') {
      const int blanks = 8 - column % 8;
      out += QString(blanks, ' ');
      column += blanks;
    } else {
      out += c;
      // A surrogate pair counts two bytes through its high half; the low half adds nothing.
      if (!c.isLowSurrogate()) column += c.unicode() < 0x80 ? 1 : 2;
    }
  }
  return out;
}

// ---- TProcLine

TProcLine::Parsed TProcLine::Parse(const QString& entry) {
  Parsed r;
  const QString line = ExpandTabs(entry);
  const qsizetype quote = line.indexOf('`');
  r.text = text::CutToBytes(quote < 0 ? line : line.left(quote), MaxTextBytes);
  if (quote < 0) return r;

  const QString a = line.mid(quote + 1);
  qsizetype pos = 0;
  while (pos < a.size() && IsLabelChar(a[pos])) ++pos;
  r.label = a.left(pos);

  while (pos < a.size() && a[pos] == '@') {
    if (static_cast<int>(r.directives.size()) == MaxDirectives) throw ERangeError();
    TDirective d;
    ++pos;
    if (pos < a.size()) d.Letter = a[pos++];
    if (pos < a.size() && a[pos] == '{') {
      ++pos;
      d.Args = ReadArgs(a, pos);
    }
    r.directives.push_back(std::move(d));
  }

  const qsizetype arrow = a.indexOf(QStringLiteral("=>"), pos);
  if (arrow >= 0) r.gotoLabel = text::CutToBytes(a.mid(arrow + 2), MaxNameBytes);
  return r;
}

TProcLine::TProcLine(const QString& entry, int lineNo) : TProcLine(Parse(entry), lineNo) {}

TProcLine::TProcLine(Parsed parsed, int lineNo)
    : TData(parsed.label),
      text_(std::move(parsed.text)),
      gotoLabel_(parsed.gotoLabel),
      ownGotoLabel_(std::move(parsed.gotoLabel)),
      lineNo_(lineNo),
      directives_(std::move(parsed.directives)) {}

std::unique_ptr<TData> TProcLine::NewInstance(const QString& name) const {
  return std::make_unique<TProcLine>(QStringLiteral("`") + name, 0);
}

TProcedure* TProcLine::Procedure() const { return static_cast<TProcedure*>(Owner()); }

TProcLine* TProcLine::ExecDirective(TAlgoDemo& demo, int i) {
  const TDirective& d = Directive(i);
  const QString arg = d.Args.isEmpty() ? QString() : d.Args.first();
  switch (d.Letter.unicode()) {
    case 'C':
      demo.PushCall(arg, demo.CallCallMethod(*this, arg));
      return demo.CurLine();
    case 'F':
      if (!demo.CallConditionMethod(*this))
        return d.Args.isEmpty() ? nullptr : Procedure()->LineByLabel(arg);
      return nullptr;
    case 'P':
      demo.CallCustomMethod(*this);
      return d.Args.isEmpty() ? nullptr : Procedure()->LineByLabel(arg);
    case 'R':
      demo.PopCall();
      return demo.CurLine() ? demo.CurLine()->NextLine() : nullptr;
    default:
      return nullptr;
  }
}

TProcLine* TProcLine::Execute(TAlgoDemo& demo) {
  for (int i = 1; i <= DirectiveCount(); ++i) {
    const QChar letter = Directive(i).Letter;
    TProcLine* next = ExecDirective(demo, i);
    // After a call or a return the line to go to is the one it yielded, even none (the
    // callee has no "Begin", or the first procedure returned).
    if (next != nullptr || letter == 'C' || letter == 'R') return next;
  }
  return NextLine();
}

void TProcLine::ResumeAfterCall(TAlgoDemo& demo) {
  // A jump an earlier return answered must not outlive it.
  gotoLabel_ = ownGotoLabel_;
  int i = 1;
  while (i <= DirectiveCount() && Directive(i).Letter != 'C') ++i;
  for (++i; i <= DirectiveCount(); ++i) {
    if (TProcLine* next = ExecDirective(demo, i)) {
      gotoLabel_ = next->Label();
      return;
    }
  }
}

TProcLine* TProcLine::NextLine() const {
  const TProcedure* proc = Procedure();
  if (proc == nullptr) return nullptr;
  const TProcLine* line = this;
  TProcLine* next = nullptr;
  do {
    next = line->gotoLabel_.isEmpty() ? proc->LineByIndex(line->lineNo_ + 1)
                                      : proc->LineByLabel(line->gotoLabel_);
    line = next;
  } while (next != nullptr && next->DirectiveCount() == 0 && next->gotoLabel_.isEmpty());
  return next;
}

// ---- TProcedure

TProcedure::TProcedure(const QString& name) : TData(name) { SetItemClass<TProcLine>(); }

std::unique_ptr<TData> TProcedure::NewInstance(const QString& name) const {
  return std::make_unique<TProcedure>(name);
}

TProcLine* TProcedure::AddLine(const QString& entry) {
  return Add(std::make_unique<TProcLine>(entry, Count()));
}

TProcLine* TProcedure::LineByIndex(int i) const { return static_cast<TProcLine*>(Items(i)); }

TProcLine* TProcedure::LineByLabel(const QString& label) const {
  return static_cast<TProcLine*>(FindByName(label));
}

// ---- Reading a whole text

void ParseSource(const QStringList& source, TData& procedures,
                 const std::function<void(const QString&)>& onProcedure) {
  std::vector<std::unique_ptr<TProcedure>> parsed;
  for (const QString& entry : source) {
    if (entry.isEmpty()) continue;
    if (entry.startsWith('#')) break;
    if (entry.startsWith('!')) {
      parsed.push_back(std::make_unique<TProcedure>(entry.mid(1)));
      continue;
    }
    if (!parsed.empty()) parsed.back()->AddLine(entry);
  }
  for (auto& proc : parsed) {
    const QString name = proc->Name();
    procedures.Add(std::move(proc));
    if (onProcedure) onProcedure(name);
  }
}
