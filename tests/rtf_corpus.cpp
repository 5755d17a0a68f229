// The RTF fuzzer's own check, run once over each input of its corpus as an ordinary program: the
// writer's output must be 7-bit, balanced and give back the document's text through the
// fuzzer's reader. It aborts on the first input that fails.
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size);

int main(int argc, char* argv[]) {
    LLVMFuzzerInitialize(&argc, &argv);
    for (int i = 1; i < argc; ++i) {
        QFile input(QFile::decodeName(argv[i]));
        if (!input.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const QByteArray bytes = input.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               std::size_t(bytes.size()));
        std::printf("PASS: %s\n", argv[i]);
    }
    return argc > 1 ? 0 : 1;
}
