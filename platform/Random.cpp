#include "platform/Random.h"

#include <chrono>
#include <random>

namespace rnd {
namespace {
std::mt19937& Engine() {
  static std::mt19937 engine(5489u);
  return engine;
}
bool g_fixed = false;
int g_randomizeCount = 0;
}  // namespace

int Random(int k) {
  if (k <= 0) return 0;
  return std::uniform_int_distribution<int>(0, k - 1)(Engine());
}

double RandomReal() { return std::uniform_real_distribution<double>(0.0, 1.0)(Engine()); }

void Randomize() {
  ++g_randomizeCount;
  if (g_fixed) return;
  Engine().seed(static_cast<std::uint32_t>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
}

int RandomizeCount() { return g_randomizeCount; }

void SetSeed(std::uint32_t seed) { Engine().seed(seed); }

void FixSeed(std::uint32_t seed) {
  g_fixed = true;
  SetSeed(seed);
}

}  // namespace rnd
