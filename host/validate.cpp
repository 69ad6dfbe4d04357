#include "host/validate.h"

#include <cstring>
#include <set>
#include <sstream>

#include "host/systems.h"
#include "host/variables.h"

namespace panel {
namespace {

constexpr uint32_t kMaxChildren = 10;
constexpr int kMaxDepth = 16;
constexpr size_t kMaxMouseRecords = 1024;
constexpr size_t kMaxFailureRecords = 32;
constexpr size_t kMaxHighlights = 64;
constexpr uint32_t kMaxTextLength = 256;

size_t header_size(uint32_t version) {
    size_t tail = (version == 800 ? kGaugeTailFields800 : kGaugeTailFields700) * sizeof(uint64_t);
    return offsetof(GAUGEHDR, host_tail) + tail;
}

size_t element_size(uint32_t kind) {
    switch (kind) {
        case kElementStaticImage: return sizeof(ELEMENT_STATIC_IMAGE);
        case kElementNeedle: return sizeof(ELEMENT_NEEDLE);
        case kElementString: return sizeof(ELEMENT_STRING);
        case kElementSlider: return sizeof(ELEMENT_SLIDER);
        case kElementIcon: return sizeof(ELEMENT_ICON);
        case kElementMovingImage: return sizeof(ELEMENT_MOVING_IMAGE);
        case kElementSprite: return sizeof(ELEMENT_SPRITE);
        default: return 0;
    }
}

template <typename T>
bool all_zero(const T& value) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    for (size_t i = 0; i < sizeof(T); ++i) {
        if (bytes[i] != 0) return false;
    }
    return true;
}

class Validator {
public:
    Validator(const std::string& module, const ModuleResources& resources, const AddressSpace& space)
        : module_(module), resources_(resources), space_(space) {}

    ValidationResult run(const GAUGESIMPORT& import, const GAUGESLINKAGE& linkage) {
        check_import(import);
        check_linkage(linkage);
        check_bitmap_list();
        return std::move(result_);
    }

private:
    // -- messages --------------------------------------------------------
    void fault(const std::string& where, const std::string& what) { result_.faults.push_back(where + ": " + what); }
    std::string gauge_where() const { return module_ + "!" + gauge_name_; }
    std::string element_where(size_t number, uint32_t kind) const {
        return gauge_where() + " element " + std::to_string(number) + " (" + element_kind_name(kind) + ")";
    }

    // -- module records --------------------------------------------------
    void check_import(const GAUGESIMPORT& import) {
        if (import.import_id != kImportIdentifier)
            fault(module_, "ImportTable identifier is " + hex(import.import_id) + ", expected 0xf");
        if (import.end_id != 0 || import.end_pointer != nullptr) fault(module_, "ImportTable is not terminated");
    }

    void check_linkage(const GAUGESLINKAGE& linkage) {
        if (linkage.module_id != kModuleIdentifier)
            fault(module_, "Linkage module identifier is " + hex(linkage.module_id) + ", expected 0x13");
        if (!space_.code(reinterpret_cast<const void*>(linkage.module_init)))
            fault(module_, "Linkage initialisation routine is not module code");
        if (!space_.code(reinterpret_cast<const void*>(linkage.module_deinit)))
            fault(module_, "Linkage shutdown routine is not module code");
        size_t count = 0;
        while (count <= kMaxGaugesPerModule && linkage.gauge_table[count] != nullptr) ++count;
        if (count > kMaxGaugesPerModule) {
            fault(module_, "gauge table has no null end within " + std::to_string(kMaxGaugesPerModule) + " entries");
            count = kMaxGaugesPerModule;
        }
        if (count == 0) fault(module_, "gauge table is empty");
        std::set<std::string> names;
        for (size_t i = 0; i < count; ++i) {
            GAUGEHDR* header = linkage.gauge_table[i];
            gauge_name_ = "gauge " + std::to_string(i + 1);
            if (!space_.readable(header, header_size(700))) {
                fault(module_, "gauge table entry " + std::to_string(i + 1) + " does not point into the module");
                continue;
            }
            if (header->version != 700 && header->version != 800) {
                fault(module_, "gauge table entry " + std::to_string(i + 1) + " has header version " +
                                   std::to_string(header->version) + " (700 or 800 expected)");
                continue;
            }
            if (!space_.readable(header, header_size(header->version))) {
                fault(module_, "gauge table entry " + std::to_string(i + 1) + " runs past the module's data");
                continue;
            }
            uint32_t expected_module_version = header->version == 800 ? 0x800 : 0;
            if (linkage.module_version != expected_module_version)
                fault(module_, "Linkage module version " + hex(linkage.module_version) + " does not match gauge " +
                                   "header version " + std::to_string(header->version));
            check_gauge(*header, i);
            if (!names.insert(gauge_name_).second) fault(gauge_where(), "two gauges of the module share this name");
            result_.gauge_headers.push_back(header);
        }
        if (!result_.faults.empty()) result_.gauge_headers.clear();
    }

    // -- gauge header ----------------------------------------------------
    void check_gauge(GAUGEHDR& header, size_t index) {
        gauge_name_ = read_name(header.name);
        if (gauge_name_.empty()) {
            gauge_name_ = "gauge " + std::to_string(index + 1);
            fault(gauge_where(), "gauge name is missing or not a NUL-terminated text in the module");
        }
        GaugeSummary summary;
        summary.name = gauge_where();
        summary.version = header.version;
        summary.width_mm = header.default_width_mm;
        if (header.default_width_mm == 0) fault(gauge_where(), "default width is 0 mm");

        const void* routines[] = {reinterpret_cast<const void*>(header.query), reinterpret_cast<const void*>(header.install),
                                  reinterpret_cast<const void*>(header.initialize), reinterpret_cast<const void*>(header.update),
                                  reinterpret_cast<const void*>(header.generate), reinterpret_cast<const void*>(header.draw),
                                  reinterpret_cast<const void*>(header.kill)};
        static const char* const routine_names[] = {"query", "install", "initialize", "update", "generate", "draw", "kill"};
        for (size_t r = 0; r < 7; ++r) {
            if (!space_.code(routines[r])) fault(gauge_where(), std::string(routine_names[r]) + " routine is not module code");
            if (index == 0) first_routines_[r] = routines[r];
            else if (routines[r] != first_routines_[r])
                fault(gauge_where(), std::string(routine_names[r]) + " routine differs from the first gauge's");
        }
        if (header.callback != nullptr && !space_.code(reinterpret_cast<const void*>(header.callback)))
            fault(gauge_where(), "gauge callback is not module code");
        if (header.host_reserved != nullptr || !all_zero(header.host_size))
            fault(gauge_where(), "host fields of the header must be declared zero");

        // The element list holds exactly one root.
        if (!space_.readable(header.elements, 2 * sizeof(ELEMENT_HEADER*))) {
            fault(gauge_where(), "element list is missing or does not point into the module");
        } else if (header.elements[0] == nullptr || header.elements[1] != nullptr) {
            fault(gauge_where(), "element list must hold exactly one root element");
        } else {
            ELEMENT_HEADER* root = header.elements[0];
            if (space_.readable(root, sizeof(ELEMENT_HEADER))) {
                if (root->kind != kElementStaticImage || root->position.x != 0 || root->position.y != 0)
                    fault(gauge_where(), "root element must be a static image at (0,0)");
                if (const Bitmap* face = resources_.bitmap(static_cast<uint32_t>(root->bitmap))) {
                    face_width_ = face->width;
                    face_height_ = face->height;
                }
            }
            visited_.clear();
            number_ = 0;
            check_element(root, &header, 0);
        }
        summary.elements = number_;
        summary.face_width = face_width_;
        summary.face_height = face_height_;
        summary.rects = header.mouse_rects ? check_mouse(header.mouse_rects) : 0;
        result_.gauges.push_back(summary);
    }

    // -- elements --------------------------------------------------------
    void check_element(ELEMENT_HEADER* element, GAUGEHDR* gauge, int depth) {
        size_t number = ++number_;
        if (!space_.readable(element, sizeof(ELEMENT_HEADER))) {
            fault(gauge_where() + " element " + std::to_string(number), "does not point into the module");
            return;
        }
        if (!visited_.insert(element).second) {
            fault(gauge_where() + " element " + std::to_string(number), "appears twice in the tree");
            return;
        }
        size_t size = element_size(element->kind);
        if (size == 0) {
            fault(gauge_where() + " element " + std::to_string(number), "unknown kind " + std::to_string(element->kind));
            return;
        }
        std::string where = element_where(number, element->kind);
        if (!space_.readable(element, size)) {
            fault(where, "record runs past the module's data");
            return;
        }
        if (depth >= kMaxDepth) {
            fault(where, "tree is deeper than " + std::to_string(kMaxDepth) + " levels");
            return;
        }
        if (element->gauge != gauge) fault(where, "owning gauge is not the gauge whose tree holds it");
        if (element->previous_element != nullptr || !all_zero(element->previous_position) || element->host_reserved != 0)
            fault(where, "host fields must be declared zero");
        check_failures(element->failures, where);
        check_kind(element, where);

        if (element->children == nullptr) return;
        if (!space_.readable(element->children, sizeof(ELEMENT_HEADER*))) {
            fault(where, "child list does not point into the module");
            return;
        }
        uint32_t count = 0;
        while (count <= kMaxChildren && space_.readable(&element->children[count], sizeof(ELEMENT_HEADER*)) &&
               element->children[count] != nullptr) {
            ++count;
        }
        if (count > kMaxChildren) {
            fault(where, "child list has more than " + std::to_string(kMaxChildren) + " entries");
            return;
        }
        if (!space_.readable(&element->children[count], sizeof(ELEMENT_HEADER*))) {
            fault(where, "child list has no null end");
            return;
        }
        if (count == 0) fault(where, "child list is empty (a leaf has a null child list)");
        for (uint32_t c = 0; c < count; ++c) check_element(element->children[c], gauge, depth + 1);
    }

    void check_failures(const FAILURE_RECORD* list, const std::string& where) {
        if (list == nullptr) return;
        for (size_t i = 0;; ++i) {
            if (i >= kMaxFailureRecords || !space_.readable(&list[i], sizeof(FAILURE_RECORD))) {
                fault(where, "failure list has no end record");
                return;
            }
            const FAILURE_RECORD& f = list[i];
            if (f.key == 0) {
                if (i == 0) fault(where, "failure list is empty (an element without failures has a null list)");
                return;
            }
            std::string at = "failure record " + std::to_string(i + 1) + ": ";
            if (f.key < 2 || f.key > 21) fault(where, at + "key " + std::to_string(f.key) + " is not 2 to 21");
            if (f.action > 3) fault(where, at + "action " + std::to_string(f.action) + " is not 0 to 3");
            if (f.reserved != 0) fault(where, at + "third field must be 0");
        }
    }

    void check_var(const MODULE_VAR& var, const std::string& where, const char* which) {
        if (var.token != 0 && find_variable(var.token) == nullptr)
            fault(where, std::string(which) + "variable token " + std::to_string(var.token) + " is not a host variable");
        if (var.host_reference != nullptr || var.host_type != 0 || var.previous_value.raw != 0)
            fault(where, std::string(which) + "variable's host fields must be declared zero");
    }

    void check_callback(const void* callback, const std::string& where, const char* which = "") {
        if (callback != nullptr && !space_.code(callback))
            fault(where, std::string(which) + "callback is not module code");
    }

    void check_bitmap(int32_t id, const std::string& where, const char* what = "bitmap") {
        if (id < 0 || resources_.bitmap(static_cast<uint32_t>(id)) == nullptr)
            fault(where, std::string(what) + " " + std::to_string(id) + " is not in the module file");
    }

    void check_kind(ELEMENT_HEADER* element, const std::string& where) {
        switch (element->kind) {
            case kElementStaticImage:
                check_bitmap(element->bitmap, where);
                break;
            case kElementNeedle: {
                auto* needle = reinterpret_cast<ELEMENT_NEEDLE*>(element);
                check_bitmap(element->bitmap, where);
                check_var(needle->source, where, "");
                check_callback(reinterpret_cast<const void*>(needle->callback), where);
                if (needle->rate_limit < 0) fault(where, "rate limit is negative");
                if (needle->calibration != nullptr) {
                    uint32_t n = needle->calibration_entries;
                    if (n < 2 || n > 64) {
                        fault(where, "calibration table has " + std::to_string(n) + " " +
                                         (n == 1 ? "entry" : "entries") + " (2 or more expected)");
                    } else if (!space_.readable(needle->calibration, n * sizeof(NONLINEARITY))) {
                        fault(where, "calibration table runs past the module's data");
                    }
                } else if (needle->calibration_entries != 0) {
                    fault(where, "calibration entries given without a table");
                }
                break;
            }
            case kElementString: {
                auto* text = reinterpret_cast<ELEMENT_STRING*>(element);
                if (element->bitmap != -1) fault(where, "a string's bitmap must be -1");
                for (const auto& var : text->source) check_var(var, where, "");
                check_callback(reinterpret_cast<const void*>(text->callback), where);
                if (text->text != nullptr) fault(where, "text buffer is the host's and must be declared null");
                if (text->size.width <= 0 || text->size.height <= 0) fault(where, "text box has no area");
                if (text->max_length == 0 || text->max_length > kMaxTextLength)
                    fault(where, "maximum length " + std::to_string(text->max_length) + " is not 1 to " +
                                     std::to_string(kMaxTextLength));
                if (memchr(text->font_face, 0, kFontFaceSize) == nullptr || text->font_face[0] == '\0')
                    fault(where, "font face is missing or not NUL-terminated within 32 characters");
                check_highlights(text->highlights, text->max_length, where);
                break;
            }
            case kElementSlider: {
                auto* slider = reinterpret_cast<ELEMENT_SLIDER*>(element);
                check_bitmap(element->bitmap, where);
                check_var(slider->x.source, where, "x ");
                check_var(slider->y.source, where, "y ");
                check_callback(reinterpret_cast<const void*>(slider->x.callback), where, "x ");
                check_callback(reinterpret_cast<const void*>(slider->y.callback), where, "y ");
                break;
            }
            case kElementIcon: {
                auto* icon = reinterpret_cast<ELEMENT_ICON*>(element);
                check_bitmap(element->bitmap, where, "first icon bitmap");
                check_var(icon->source, where, "");
                check_callback(reinterpret_cast<const void*>(icon->callback), where);
                if (icon->icon_count < 1 || icon->icon_count > 5)
                    fault(where, "number of icons " + std::to_string(icon->icon_count) + " is not 1 to 5");
                break;
            }
            case kElementMovingImage: {
                auto* moving = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(element);
                check_bitmap(element->bitmap, where, "strip bitmap");
                check_bitmap(element->bitmap + 1, where, "window bitmap");
                check_var(moving->x.source, where, "x ");
                check_var(moving->y.source, where, "y ");
                check_callback(reinterpret_cast<const void*>(moving->callback_x), where, "x ");
                check_callback(reinterpret_cast<const void*>(moving->callback_y), where, "y ");
                if (moving->x.minimum > moving->x.maximum || moving->y.minimum > moving->y.maximum)
                    fault(where, "an axis's minimum lies above its maximum");
                break;
            }
            case kElementSprite: {
                auto* sprite = reinterpret_cast<ELEMENT_SPRITE*>(element);
                check_bitmap(element->bitmap, where, "sprite bitmap");
                check_bitmap(element->bitmap + 1, where, "companion bitmap");
                if (const Bitmap* companion = resources_.bitmap(static_cast<uint32_t>(element->bitmap + 1))) {
                    if (companion->width != face_width_ || companion->height != face_height_)
                        fault(where, "companion bitmap " + std::to_string(element->bitmap + 1) + " is " +
                                         size_text(companion->width, companion->height) + ", not the face's " +
                                         size_text(face_width_, face_height_));
                }
                check_var(sprite->x.source, where, "x ");
                check_var(sprite->y.source, where, "y ");
                check_var(sprite->rotation.source, where, "rotation ");
                for (auto* callback : sprite->callbacks) check_callback(reinterpret_cast<const void*>(callback), where);
                if (!(sprite->texture_scale_x > 0) || !(sprite->texture_scale_y > 0))
                    fault(where, "texture scale must be above 0");
                break;
            }
            default:
                break;
        }
    }

    void check_highlights(const HIGHLIGHT* list, uint32_t max_length, const std::string& where) {
        if (list == nullptr) return;
        for (size_t i = 0;; ++i) {
            if (i >= kMaxHighlights || !space_.readable(&list[i], sizeof(HIGHLIGHT))) {
                fault(where, "highlight list has no (0,0,0) end");
                return;
            }
            const HIGHLIGHT& h = list[i];
            if (h.selection == 0 && h.first == 0 && h.last == 0) return;
            if (h.first < 0 || h.last < h.first || h.last >= static_cast<int32_t>(max_length))
                fault(where, "highlight " + std::to_string(i + 1) + " covers characters " + std::to_string(h.first) +
                                 " to " + std::to_string(h.last) + ", outside the text");
        }
    }

    // -- mouse rectangles ------------------------------------------------
    // Returns the number of parent and child rectangles.
    size_t check_mouse(MOUSERECT* rects) {
        size_t count = 0;
        int open = 0;
        for (size_t i = 0;; ++i) {
            std::string where = gauge_where() + " mouse record " + std::to_string(i);
            if (i >= kMaxMouseRecords || !space_.readable(&rects[i], sizeof(MOUSERECT))) {
                fault(gauge_where(), "mouse rectangles have no end-of-array record within the module's data");
                return count;
            }
            const MOUSERECT& r = rects[i];
            if (r.host_reserved != 0) fault(where, "host field must be declared zero");
            switch (r.type) {
                case kMouseParent:
                    if (i == 0 && (r.box.x != 0 || r.box.y != 0 || r.box.width != 0 || r.box.height != 0))
                        fault(where, "the outermost parent must have the box (0,0,0,0)");
                    if (i > 0 && open == 0) fault(where, "a parent follows the end of the outermost parent");
                    if (r.cursor != -1) fault(where, "a parent's cursor must be -1");
                    if (r.event_id != 0 || r.handler != nullptr) fault(where, "a parent sends no event and calls no handler");
                    ++open;
                    ++count;
                    break;
                case kMouseChild:
                    if (i == 0) fault(where, "the array must open with the outermost parent");
                    if (open == 0) fault(where, "a child lies outside every parent");
                    if ((r.event_id != 0) == (r.handler != nullptr))
                        fault(where, "a child has either an event id or a handler, never both or neither");
                    if (r.event_id != 0 && find_key_event(r.event_id) == nullptr)
                        fault(where, "event " + std::to_string(r.event_id) + " is not a host key event");
                    if (r.handler != nullptr && !space_.code(reinterpret_cast<const void*>(r.handler)))
                        fault(where, "handler is not module code");
                    if (r.box.width < 0 || r.box.height < 0) fault(where, "box has a negative size");
                    ++count;
                    break;
                case kMouseEndParent:
                    if (open == 0) fault(where, "end of a parent with no parent open");
                    else --open;
                    break;
                case kMouseEnd:
                    if (open != 0)
                        fault(where, std::to_string(open) + " parent" + (open == 1 ? " is" : "s are") +
                                         " still open at the end of the array");
                    if (i == 0) fault(where, "the array is empty (a gauge without mouse input has a null array)");
                    return count;
                default:
                    fault(where, "record type " + std::to_string(r.type) + " is not 0 to 3");
                    return count;
            }
        }
    }

    // -- bitmaps ---------------------------------------------------------
    void check_bitmap_list() {
        std::set<uint32_t> declared;
        for (const BitmapRecord& d : resources_.declared) {
            declared.insert(d.id);
            std::string where = module_ + " bitmap " + std::to_string(d.id);
            const Bitmap* b = resources_.bitmap(d.id);
            if (b == nullptr) {
                fault(where, "declared in the bitmap list but not in the module file");
                continue;
            }
            if (b->width != d.width || b->height != d.height)
                fault(where, "is " + size_text(b->width, b->height) + ", declared " + size_text(d.width, d.height));
            if (b->bits != d.bits)
                fault(where, "has " + std::to_string(b->bits) + " bits per pixel, declared " + std::to_string(d.bits));
        }
        for (const auto& [id, bitmap] : resources_.bitmaps) {
            if (!declared.count(id))
                fault(module_ + " bitmap " + std::to_string(id), "is in the module file but not in its bitmap list");
        }
    }

    // -- helpers ---------------------------------------------------------
    std::string read_name(const char* name) const {
        if (name == nullptr) return {};
        std::string out;
        for (size_t i = 0; i < 64; ++i) {
            if (!space_.readable(name + i, 1)) return {};
            if (name[i] == '\0') return out;
            out += name[i];
        }
        return {};
    }
    static std::string hex(uint32_t v) {
        std::ostringstream s;
        s << "0x" << std::hex << v;
        return s.str();
    }
    static std::string size_text(int32_t w, int32_t h) { return std::to_string(w) + "x" + std::to_string(h); }

    const std::string& module_;
    const ModuleResources& resources_;
    const AddressSpace& space_;
    ValidationResult result_;
    std::string gauge_name_;
    const void* first_routines_[7] = {};
    std::set<const void*> visited_;
    size_t number_ = 0;
    int32_t face_width_ = 0;
    int32_t face_height_ = 0;
};

}  // namespace

bool AddressSpace::readable(const void* p, size_t size) const {
    auto begin = reinterpret_cast<uintptr_t>(p);
    if (begin == 0) return false;
    for (const auto& r : ranges_) {
        if (begin >= r.begin && begin < r.end && r.end - begin >= size) return true;
    }
    return false;
}

bool AddressSpace::code(const void* p) const {
    auto at = reinterpret_cast<uintptr_t>(p);
    for (const auto& r : ranges_) {
        if (r.executable && at >= r.begin && at < r.end) return true;
    }
    return false;
}

ValidationResult validate_module(const std::string& module, const GAUGESIMPORT& import, const GAUGESLINKAGE& linkage,
                                 const ModuleResources& resources, const AddressSpace& space) {
    return Validator(module, resources, space).run(import, linkage);
}

const char* element_kind_name(uint32_t kind) {
    static const char* const names[] = {"static image", "needle", "string", "slider", "icon", "moving image", "sprite"};
    return kind < 7 ? names[kind] : "unknown";
}

}  // namespace panel

