#pragma once

#include <ctime>

// Where the quiz's random order comes from. The program uses the C library
// (time, srand, rand) as it is; tests supply their own sequence and clock.
class DrawSource {
public:
    virtual ~DrawSource() = default;
    virtual std::time_t Now() = 0;             // the calendar time in seconds
    virtual void Seed(unsigned int seed) = 0;
    virtual int Next() = 0;                    // a non-negative pseudo-random integer
};

// time(nullptr), srand and rand. The C generator is global state, so this is
// one shared object: seeding it seeds rand() for the whole process.
DrawSource& CLibraryDrawSource();
