#pragma once
// The inputs of a sweep script: values drawn from a seeded generator and the input classes a
// script runs, resolved before the script is parsed.
//   let NAME = GENERATOR ARGS...   draws a value; "${NAME}" in a later line stands for it
//   class NAME                     starts an input class: the lines up to the next "class"
//                                  belong to it; lines before the first class to every class
// Each class runs as its own script: the lines of the other classes are left out (kept as
// blank lines, so that line numbers stay the script's). Its values come from a generator
// seeded by the run's seed and the class's name, so that one class run alone draws what it
// draws in a run of every class.
//
// Generators (RegisterGenerator adds one):
//   int LO HI                                  a whole number in LO..HI
//   pick A B C...                              one of the words
//   letters MIN MAX upper|lower|mixed|digits [distinct] [sorted]
//                                              MIN..MAX characters of that kind
//   ints N LO HI random|sorted|reversed|equal  N numbers in LO..HI, comma-separated; N may be
//                                              a range MIN..MAX
//   graph N directed|undirected connected|disconnected|cyclic|acyclic [weights LO HI] [loops] [bothways]
//                                              writes a graph file of N vertices (N may be a
//                                              range; at most 20) and gives its path; weights
//                                              from LO >= 1; loops: one vertex in three (at
//                                              least one) joined to itself; bothways: some arcs
//                                              (at least one) with their way back too, directed
//                                              graphs of 2 vertices or more only; neither in an
//                                              acyclic graph
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace script {

// The seeded source of every drawn value.
class InputRandom {
 public:
  explicit InputRandom(std::uint64_t seed) : engine_(seed) {}
  int Between(int lo, int hi);  // uniform on lo..hi (lo when hi < lo)
  bool Chance(int percent) { return Between(1, 100) <= percent; }

 private:
  std::mt19937_64 engine_;
};

// What a generator is given besides its words.
struct DrawContext {
  InputRandom& random;
  QString folder;  // where generated files go
  QString label;   // names the files of one draw apart: the class and the variable
};

// Returns the value drawn, or sets error (a usage or range problem) and returns nothing.
using Generator = std::function<QString(const QStringList& args, DrawContext& context, QString& error)>;
// Adds a generator, or replaces the one of that name.
void RegisterGenerator(const QString& name, Generator generator);
QStringList GeneratorNames();

// One class of a script, ready to parse: the lines of other classes blanked, "let" and
// "class" lines blanked, every ${NAME} replaced by its value.
struct ClassScript {
  QString name;  // empty for a script without classes
  QString text;
  std::uint32_t seed = 0;  // the generators' seed for this class
};

struct Inputs {
  std::vector<ClassScript> classes;  // in the script's order
  QStringList errors;                // "line N: ..."
};

// The names of the script's classes in order (errors: a class line that is not "class NAME",
// a name used twice).
QStringList ClassNames(const QString& source, QStringList& errors);
// Resolves the classes named in only (every class when only is empty) with the run's seed;
// generated files go into folder.
Inputs ExpandInputs(const QString& source, std::uint32_t seed, const QStringList& only, const QString& folder);
// The seed of one class's generator.
std::uint32_t ClassSeed(std::uint32_t seed, const QString& className);

}  // namespace script
