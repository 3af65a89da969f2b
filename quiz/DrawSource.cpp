#include "quiz/DrawSource.h"

#include <cstdlib>

namespace {

class CLibrarySource final : public DrawSource {
public:
    std::time_t Now() override { return std::time(nullptr); }
    void Seed(unsigned int seed) override { std::srand(seed); }
    int Next() override { return std::rand(); }
};

}  // namespace

DrawSource& CLibraryDrawSource()
{
    static CLibrarySource source;
    return source;
}
