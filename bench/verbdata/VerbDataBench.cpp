// Reading a data file against Nettle's raw RC2-CBC on the same bytes, and the
// lookup of the last record of a passé composé sized text.
#include <benchmark/benchmark.h>
#include <nettle/cbc.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "verbdata/EncryptedTextReader.h"
#include "verbdata/VerbCipher.h"
#include "verbdata/VerbRecord.h"

namespace fs = std::filesystem;

namespace {

// A verb text shaped like the course: records of nine short lines.
std::string CourseLikeText(int records)
{
    std::ostringstream text;
    for (int verb = 1; verb <= records; ++verb) {
        text << '#' << verb << "#\r\nsich erinnern " << verb
             << "\r\nse souvenir\r\nme souviens\r\nte souviens\r\nse souvient\r\nnous souvenons\r\n"
                "vous souvenez\r\nse souviennent\r\n";
    }
    return text.str();
}

std::string SixtyKilobytes()
{
    std::string text = CourseLikeText(400);
    text.resize(60 * 1000 - 100, '\n');
    return text;
}

struct CipherFile {
    CipherFile()
    {
        Bytes = VerbCipher::Encrypt(VerbCipher::PasswordKey(), SixtyKilobytes());
        Path = (fs::temp_directory_path() / ("lexamo-bench-" + std::to_string(::getpid()) + ".dat")).string();
        std::ofstream(Path, std::ios::binary).write(Bytes.data(), Bytes.size());
    }
    ~CipherFile() { fs::remove(Path); }
    std::string Bytes;
    std::string Path;
};

const CipherFile& File()
{
    static CipherFile file;
    return file;
}

void DecryptBlocks(const void* context, std::size_t length, std::uint8_t* dst, const std::uint8_t* src)
{
    arctwo_decrypt(static_cast<arctwo_ctx*>(const_cast<void*>(context)), length, dst, src);
}

void BM_NettleRawRc2Cbc(benchmark::State& state)
{
    const std::string& bytes = File().Bytes;
    const VerbCipher::Key key = VerbCipher::PasswordKey();
    std::string buffer(bytes.size(), '\0');
    for (auto _ : state) {
        arctwo_ctx context;
        arctwo_set_key_ekb(&context, sizeof key.Bytes, key.Bytes, 40);
        std::uint8_t iv[8] = {};
        cbc_decrypt(&context, DecryptBlocks, 8, iv, bytes.size(), reinterpret_cast<std::uint8_t*>(buffer.data()),
                    reinterpret_cast<const std::uint8_t*>(bytes.data()));
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_NettleRawRc2Cbc);

void BM_LoadEncryptedText60KB(benchmark::State& state)
{
    const std::string& path = File().Path;
    for (auto _ : state) {
        LoadResult result = LoadEncryptedText(path);
        if (result.Failure)
            state.SkipWithError("data file could not be read");
        benchmark::DoNotOptimize(result.Text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * File().Bytes.size()));
}
BENCHMARK(BM_LoadEncryptedText60KB);

void BM_FindLastOf368Records(benchmark::State& state)
{
    const std::string text = CourseLikeText(368);
    for (auto _ : state) {
        VerbRecord record = FindVerbRecord(text, 368);
        benchmark::DoNotOptimize(record.GermanInfinitive.data());
    }
}
BENCHMARK(BM_FindLastOf368Records)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
