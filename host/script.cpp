#include "host/script.h"

#include <cmath>
#include <fstream>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "host/systems.h"
#include "host/validate.h"

namespace panel {
namespace {

// A script error: stops the run with exit code 2.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Words are tagged so that a quoted text is never taken for a keyword.
struct Word {
    std::string text;
    bool quoted = false;
};

std::vector<Word> split_words(const std::string& line) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Word w{"", true};
            for (++i;; ++i) {
                if (i >= line.size()) throw std::invalid_argument("unterminated text");
                if (line[i] == '"') break;
                if (line[i] == '\\') {
                    if (i + 1 >= line.size() || (line[i + 1] != '"' && line[i + 1] != '\\'))
                        throw std::invalid_argument("bad escape in text (only \\\" and \\\\)");
                    ++i;
                }
                w.text += line[i];
            }
            ++i;
            words.push_back(std::move(w));
        } else {
            Word w;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') w.text += line[i++];
            words.push_back(std::move(w));
        }
    }
    return words;
}

double parse_number(const std::string& word) {
    if (word.empty()) throw ScriptError("missing number");
    size_t used = 0;
    try {
        bool negative = word[0] == '-';
        std::string digits = negative ? word.substr(1) : word;
        if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
            uint64_t v = std::stoull(digits.substr(2), &used, 16);
            if (used != digits.size() - 2 || v > 0xFFFFFFFFull) throw std::invalid_argument("");
            return negative ? -static_cast<double>(v) : static_cast<double>(v);
        }
        double v = std::stod(word, &used);
        if (used != word.size() || !std::isfinite(v)) throw std::invalid_argument("");
        return v;
    } catch (const std::exception&) {
        throw ScriptError("bad number \"" + word + "\"");
    }
}

int64_t parse_integer(const std::string& word) {
    double v = parse_number(word);
    if (v != std::trunc(v) || std::fabs(v) > 4294967295.0) throw ScriptError("\"" + word + "\" is not a whole number");
    return static_cast<int64_t>(v);
}

std::string format_number(double v) {
    if (v == std::trunc(v) && std::fabs(v) < 1e15) return std::to_string(static_cast<int64_t>(v));
    std::ostringstream s;
    s << std::setprecision(10) << v;
    return s.str();
}

std::string quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string event_text(const SentEvent& e) {
    return e.parameter == 0 ? std::to_string(e.id) : std::to_string(e.id) + ":" + std::to_string(e.parameter);
}

std::string window_call_text(const WindowCall& w) {
    static const char* const kinds[] = {"open", "close", "toggle"};
    return std::string(kinds[w.kind]) + ":" + std::to_string(w.window);
}

template <typename T, typename F>
std::string join(const std::vector<T>& items, F text) {
    if (items.empty()) return "none";
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : " ") + text(item);
    return out;
}

class ScriptRun {
public:
    ScriptRun(PanelHost& host, const ScriptOptions& options, std::ostream& out)
        : host_(host), options_(options), out_(out) {}

    // Runs one line; returns a failed expectation's message, or "".
    std::string run(const std::vector<Word>& words) {
        words_ = &words;
        const std::string& command = word(0);
        if (command == "load") return load();
        if (command == "var") return set_var();
        if (command == "update") return update();
        if (command == "click") return click();
        if (command == "drag") return drag();
        if (command == "release") {
            expect_words(1, 1);
            host_.release();
            return {};
        }
        if (command == "select") {
            expect_words(2, 2);
            host_.select(static_cast<int32_t>(integer(1)));
            return {};
        }
        if (command == "fail" || command == "repair") return failure(command == "fail");
        if (command == "window") return window();
        if (command == "expect") return expect();
        if (command == "print") return print();
        if (command == "render") return render();
        throw ScriptError("unknown command \"" + command + "\"");
    }

private:
    const std::string& word(size_t i) const {
        if (i >= words_->size()) throw ScriptError("\"" + (*words_)[0].text + "\" needs more words");
        return (*words_)[i].text;
    }
    void expect_words(size_t least, size_t most) const {
        if (words_->size() < least) throw ScriptError("\"" + (*words_)[0].text + "\" needs more words");
        if (words_->size() > most) throw ScriptError("too many words for \"" + (*words_)[0].text + "\"");
    }
    double number(size_t i) const { return parse_number(word(i)); }
    int64_t integer(size_t i) const { return parse_integer(word(i)); }

    GaugeState& gauge(size_t i) const {
        const std::string& name = word(i);
        auto bang = name.find('!');
        if (bang == std::string::npos) throw ScriptError("gauge \"" + name + "\" is not named Module!Gauge");
        if (host_.module(name.substr(0, bang)) == nullptr)
            throw ScriptError("module \"" + name.substr(0, bang) + "\" is not loaded");
        GaugeState* g = host_.gauge(name);
        if (g == nullptr) throw ScriptError("module " + name.substr(0, bang) + " has no gauge \"" + name.substr(bang + 1) + "\"");
        return *g;
    }

    // Element N, with an optional axis: "3", "3.x".
    const ElementState& element(const GaugeState& g, const std::string& ref, char* axis = nullptr) const {
        std::string number_text = ref;
        if (axis != nullptr) *axis = 0;
        auto dot = ref.find('.');
        if (dot != std::string::npos) {
            if (axis == nullptr || dot + 2 != ref.size() || std::string("xyr").find(ref[dot + 1]) == std::string::npos)
                throw ScriptError("bad element \"" + ref + "\"");
            *axis = ref[dot + 1];
            number_text = ref.substr(0, dot);
        }
        int64_t n = parse_integer(number_text);
        if (n < 1 || static_cast<size_t>(n) > g.elements().size())
            throw ScriptError(g.full_name() + " has no element " + number_text + " (it has " +
                              std::to_string(g.elements().size()) + ")");
        return g.elements()[static_cast<size_t>(n - 1)];
    }

    std::string load() {
        expect_words(2, SIZE_MAX);
        for (size_t i = 1; i < words_->size(); ++i) {
            try {
                host_.load(word(i));
            } catch (const LoadError& e) {
                throw ScriptError("cannot load module " + word(i) + ": " + e.what());
            }
        }
        return {};
    }

    std::string set_var() {
        expect_words(3, 3);
        uint32_t token = static_cast<uint32_t>(integer(1));
        const VariableInfo* info = find_variable(token);
        if (info == nullptr) throw ScriptError("token " + word(1) + " is not a host variable");
        double v = number(2);
        if (info->type != VarType::Float64 && v != std::trunc(v))
            throw ScriptError("token " + word(1) + " (" + info->name + ") holds whole numbers, not " + word(2));
        host_.variables().set(token, v);
        return {};
    }

    std::string update() {
        expect_words(1, 2);
        int64_t n = words_->size() == 2 ? integer(1) : 1;
        if (n < 0) throw ScriptError("update count is negative");
        host_.update(static_cast<int>(n));
        return {};
    }

    std::string click() {
        expect_words(4, 4);
        GaugeState& g = gauge(1);
        host_.press(g, static_cast<int32_t>(integer(2)), static_cast<int32_t>(integer(3)));
        return {};
    }

    std::string drag() {
        expect_words(4, 4);
        gauge(1);
        host_.drag(static_cast<int32_t>(integer(2)), static_cast<int32_t>(integer(3)));
        return {};
    }

    std::string failure(bool fail) {
        expect_words(2, 2);
        int64_t key = integer(1);
        if (key < 2 || key > 21) throw ScriptError("failure key " + word(1) + " is not 2 to 21");
        fail ? host_.fail(static_cast<uint32_t>(key)) : host_.repair(static_cast<uint32_t>(key));
        return {};
    }

    std::string window() {
        expect_words(3, 3);
        const std::string& state = word(2);
        if (state != "open" && state != "closed") throw ScriptError("window state must be open or closed");
        host_.set_window(static_cast<uint32_t>(integer(1)), state == "open");
        return {};
    }

    std::string expect() {
        const std::string& what = word(1);
        if (what == "text") {
            expect_words(5, 5);
            GaugeState& g = gauge(2);
            const ElementState& e = element(g, word(3));
            if (e.record->kind != kElementString) throw ScriptError("element " + word(3) + " is not a string");
            if (!(*words_)[4].quoted) throw ScriptError("the expected text must be in double quotes");
            if (e.text != word(4)) return "expected text " + quote(word(4)) + ", got " + quote(e.text);
            return {};
        }
        if (what == "value") {
            expect_words(5, 6);
            GaugeState& g = gauge(2);
            char axis = 0;
            const ElementState& e = element(g, word(3), &axis);
            double got = value_of(e, axis, word(3));
            double want = number(4);
            double tolerance = words_->size() == 6 ? number(5) : 1e-9;
            if (!(std::fabs(got - want) <= tolerance))
                return "expected value " + format_number(want) + ", got " + format_number(got);
            return {};
        }
        if (what == "shown" || what == "hidden") {
            expect_words(4, 4);
            GaugeState& g = gauge(2);
            const ElementState& e = element(g, word(3));
            bool hidden = (e.record->image_flags & kImageHidden) != 0;
            if (hidden != (what == "hidden")) return "expected " + what + ", got " + (hidden ? "hidden" : "shown");
            return {};
        }
        if (what == "events") {
            std::vector<SentEvent> want;
            for (size_t i = 2; i < words_->size(); ++i) {
                const std::string& w = word(i);
                auto colon = w.find(':');
                uint32_t id = static_cast<uint32_t>(parse_integer(w.substr(0, colon)));
                uint32_t param = colon == std::string::npos ? 0 : static_cast<uint32_t>(parse_integer(w.substr(colon + 1)));
                want.push_back({id, param});
            }
            std::vector<SentEvent> got = host_.take_events();
            if (got != want) return "expected events " + join(want, event_text) + ", got " + join(got, event_text);
            return {};
        }
        if (what == "windows") {
            std::vector<WindowCall> want;
            for (size_t i = 2; i < words_->size(); ++i) {
                const std::string& w = word(i);
                auto colon = w.find(':');
                std::string kind = w.substr(0, colon);
                if (colon == std::string::npos || (kind != "open" && kind != "close" && kind != "toggle"))
                    throw ScriptError("bad window call \"" + w + "\" (open:ID, close:ID or toggle:ID)");
                WindowCall::Kind k = kind == "open" ? WindowCall::Open : kind == "close" ? WindowCall::Close : WindowCall::Toggle;
                want.push_back({k, static_cast<uint32_t>(parse_integer(w.substr(colon + 1)))});
            }
            std::vector<WindowCall> got = host_.take_window_calls();
            if (got != want)
                return "expected windows " + join(want, window_call_text) + ", got " + join(got, window_call_text);
            return {};
        }
        if (what == "var") {
            expect_words(4, 5);
            uint32_t token = static_cast<uint32_t>(integer(2));
            if (find_variable(token) == nullptr) throw ScriptError("token " + word(2) + " is not a host variable");
            double got = host_.variables().get(token);
            double want = number(3);
            double tolerance = words_->size() == 5 ? number(4) : 1e-9;
            if (!(std::fabs(got - want) <= tolerance))
                return "expected var " + word(2) + " " + format_number(want) + ", got " + format_number(got);
            return {};
        }
        if (what == "window") {
            expect_words(4, 4);
            const std::string& state = word(3);
            if (state != "open" && state != "closed") throw ScriptError("window state must be open or closed");
            bool open = host_.window_open(static_cast<uint32_t>(integer(2)));
            if (open != (state == "open"))
                return "expected window " + word(2) + " " + state + ", got " + (open ? "open" : "closed");
            return {};
        }
        throw ScriptError("unknown expectation \"" + what + "\"");
    }

    double value_of(const ElementState& e, char axis, const std::string& ref) const {
        uint32_t kind = e.record->kind;
        bool axes = kind == kElementSlider || kind == kElementMovingImage || kind == kElementSprite;
        if (axes && axis == 0)
            throw ScriptError("element " + ref + " is a " + element_kind_name(kind) + ": name its axis (.x, .y" +
                              (kind == kElementSprite ? ", .r)" : ")"));
        if (!axes && axis != 0) throw ScriptError("element " + ref + " is a " + element_kind_name(kind) + " and has no axes");
        if (axis == 'r' && kind != kElementSprite) throw ScriptError("only sprites have a rotation axis");
        switch (axis) {
            case 'x': return e.x;
            case 'y': return e.y;
            case 'r': return e.r;
            default: return e.value;
        }
    }

    std::string print() {
        expect_words(2, 2);
        if (word(1) == "events") return print_events();
        GaugeState& g = gauge(1);
        out_ << g.full_name() << "\n";
        for (const ElementState& e : g.elements()) {
            out_ << "  " << std::setw(2) << e.number << " " << std::left << std::setw(13)
                 << element_kind_name(e.record->kind) << std::right;
            switch (e.record->kind) {
                case kElementSlider:
                case kElementMovingImage:
                    out_ << "x " << format_number(e.x) << "  y " << format_number(e.y);
                    break;
                case kElementSprite:
                    out_ << "x " << format_number(e.x) << "  y " << format_number(e.y) << "  r " << format_number(e.r);
                    break;
                case kElementStaticImage:
                    out_ << "bitmap " << e.record->bitmap;
                    break;
                default:
                    out_ << "value " << format_number(e.value);
            }
            if (e.record->kind == kElementString) {
                // Frequencies and codes read best as their digits.
                const VariableInfo* source = find_variable(reinterpret_cast<ELEMENT_STRING*>(e.record)->source[0].token);
                if (source != nullptr && source->type == VarType::Bcd)
                    out_ << " (0x" << std::hex << static_cast<uint32_t>(e.value) << std::dec << ")";
                out_ << "  text " << quote(e.text);
            }
            if (e.record->image_flags & kImageHidden) out_ << "  (hidden)";
            if (e.failure != FailureAction::None) out_ << "  (failed, action " << static_cast<int>(e.failure) << ")";
            out_ << "\n";
        }
        return {};
    }

    // The events sent since the last `expect events`, with their names; they
    // stay for the next `expect events`.
    std::string print_events() {
        const std::vector<SentEvent>& events = host_.events();
        out_ << "events:";
        if (events.empty()) out_ << " none";
        out_ << "\n";
        for (const SentEvent& e : events) {
            const KeyEventInfo* info = find_key_event(e.id);
            out_ << "  " << event_text(e) << "  " << (info ? info->name : "(not a host event)") << "\n";
        }
        return {};
    }

    std::string render() {
        expect_words(3, 4);
        GaugeState& g = gauge(1);
        double scale = words_->size() == 4 ? number(3) : 1.0;
        if (!(scale > 0)) throw ScriptError("render scale must be above 0");
        if (!options_.renderer) throw ScriptError("render: this panel host was built without drawing");
        try {
            options_.renderer(host_, g, word(2), scale);
        } catch (const std::runtime_error& e) {
            throw ScriptError(std::string("render: ") + e.what());
        }
        return {};
    }

    PanelHost& host_;
    const ScriptOptions& options_;
    std::ostream& out_;
    const std::vector<Word>* words_ = nullptr;
};

}  // namespace

std::vector<std::string> split_script_line(const std::string& line) {
    std::vector<std::string> out;
    for (auto& w : split_words(line)) out.push_back(std::move(w.text));
    return out;
}

int run_script_text(const std::string& text, const std::string& file, PanelHost& host, const ScriptOptions& options,
                    std::ostream& out, std::ostream& err) {
    ScriptRun run(host, options, out);
    std::istringstream lines(text);
    int failures = 0;
    size_t line_number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++line_number;
        std::string where = file + ":" + std::to_string(line_number) + ": ";
        try {
            std::vector<Word> words = split_words(line);
            if (words.empty()) continue;
            if (words[0].quoted) throw ScriptError("a line starts with a command, not a text");
            std::string failed = run.run(words);
            if (!failed.empty()) {
                err << where << failed << "\n";
                ++failures;
            }
        } catch (const ScriptError& e) {
            err << where << e.what() << "\n";
            return 2;
        } catch (const std::invalid_argument& e) {
            err << where << e.what() << "\n";
            return 2;
        }
    }
    return failures == 0 ? 0 : 1;
}

int run_scripts(const std::vector<std::string>& files, const ScriptOptions& options, std::ostream& out,
                std::ostream& err) {
    int result = 0;
    for (const std::string& file : files) {
        std::ifstream in(file);
        if (!in) {
            err << file << ": cannot open the script\n";
            return 2;
        }
        std::stringstream text;
        text << in.rdbuf();
        PanelHost host(options.modules_dir);
        int code = run_script_text(text.str(), file, host, options, out, err);
        if (code == 2) return 2;
        result = std::max(result, code);
    }
    return result;
}

}  // namespace panel
