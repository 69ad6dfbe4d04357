#include "host/gauge_state.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace panel {
namespace {

FailureAction active_failure(const FAILURE_RECORD* list, const std::set<uint32_t>& failed) {
    if (list == nullptr || failed.empty()) return FailureAction::None;
    for (; list->key != 0; ++list) {
        if (failed.count(list->key)) return static_cast<FailureAction>(list->action);
    }
    return FailureAction::None;
}

// Refreshes a variable record from the host, unless it names no variable.
double refresh(MODULE_VAR& var, const Variables& vars) {
    if (var.token == 0) return 0.0;
    vars.fill(var);
    return var_number(var);
}

}  // namespace

GaugeState::GaugeState(std::string module, GAUGEHDR* header, const ModuleResources& resources)
    : module_(std::move(module)), header_(header), resources_(resources) {
    ELEMENT_HEADER* root = header->elements[0];
    if (const Bitmap* face = resources.bitmap(static_cast<uint32_t>(root->bitmap))) {
        width_ = face->width;
        height_ = face->height;
    }
    flatten(root, 0);
    place_mouse_areas();
}

void GaugeState::flatten(ELEMENT_HEADER* element, size_t depth) {
    ElementState state;
    state.record = element;
    state.number = elements_.size() + 1;
    state.depth = depth;
    if (element->kind == kElementString) {
        auto* text = reinterpret_cast<ELEMENT_STRING*>(element);
        state.buffer = std::make_unique<char[]>(text->max_length + 1);
        text->text = state.buffer.get();
    }
    elements_.push_back(std::move(state));
    if (element->children == nullptr) return;
    for (ELEMENT_HEADER** child = element->children; *child != nullptr; ++child) flatten(*child, depth + 1);
}

void GaugeState::place_mouse_areas() {
    const MOUSERECT* rects = header_->mouse_rects;
    if (rects == nullptr) return;
    // The open parents, by their place in areas_; the outermost stands for the whole face.
    std::vector<size_t> parents;
    for (size_t i = 0; rects[i].type != kMouseEnd; ++i) {
        const MOUSERECT& r = rects[i];
        if (r.type == kMouseEndParent) {
            if (!parents.empty()) parents.pop_back();
            continue;
        }
        MouseArea area;
        area.rect = &r;
        area.index = i;
        area.depth = parents.size();
        area.parent = parents.empty() ? -1 : static_cast<int>(parents.back());
        int32_t base_x = parents.empty() ? 0 : areas_[parents.back()].origin_x;
        int32_t base_y = parents.empty() ? 0 : areas_[parents.back()].origin_y;
        area.origin_x = base_x + r.box.x;
        area.origin_y = base_y + r.box.y;
        bool whole_face = parents.empty() && r.box.width == 0 && r.box.height == 0;
        int32_t w = whole_face ? width_ : r.box.width;
        int32_t h = whole_face ? height_ : r.box.height;
        area.left = std::clamp(area.origin_x, 0, width_);
        area.top = std::clamp(area.origin_y, 0, height_);
        area.right = std::clamp(area.origin_x + w, 0, width_);
        area.bottom = std::clamp(area.origin_y + h, 0, height_);
        areas_.push_back(area);
        if (r.type == kMouseParent) parents.push_back(areas_.size() - 1);
    }
}

const MouseArea* GaugeState::press_target(int32_t x, int32_t y) const {
    for (const MouseArea& area : areas_) {
        if (area.takes_press() && area.contains(x, y)) return &area;
    }
    return nullptr;
}

GaugeState::Hover GaugeState::hover(int32_t x, int32_t y) const {
    Hover hover;
    const MouseArea* deepest = nullptr;
    for (const MouseArea& area : areas_) {
        if (area.contains(x, y) && (deepest == nullptr || area.depth > deepest->depth)) deepest = &area;
    }
    if (deepest == nullptr) return hover;
    hover.cursor = deepest->rect->cursor;
    for (const MouseArea* a = deepest; a != nullptr; a = a->parent < 0 ? nullptr : &areas_[size_t(a->parent)]) {
        if (a->rect->help_id != 0) {
            hover.help_id = a->rect->help_id;
            break;
        }
    }
    return hover;
}

void GaugeState::update(const Variables& vars, const std::set<uint32_t>& failed, bool rate_limited) {
    if (header_->callback != nullptr) header_->callback(header_, kGaugeServiceUpdate, 0);
    for (ElementState& state : elements_) {
        update_element(state, vars, failed);
        place(state, rate_limited);
    }
}

double calibrated_angle(const NONLINEARITY* table, uint32_t entries, PIXPOINT pivot, double value) {
    auto angle_of = [&](uint32_t i) {
        double a = std::atan2(table[i].point.y - pivot.y, table[i].point.x - pivot.x) * 180.0 / M_PI;
        return a < 0 ? a + 360.0 : a;
    };
    for (uint32_t i = 0; i + 1 < entries; ++i) {
        double v0 = table[i].value, v1 = table[i + 1].value;
        if (value < std::min(v0, v1) || value > std::max(v0, v1)) continue;
        double t = v1 == v0 ? 0.0 : (value - v0) / (v1 - v0);
        double a0 = angle_of(i);
        double clockwise = std::fmod(angle_of(i + 1) - a0 + 360.0, 360.0);
        return a0 + t * clockwise;
    }
    bool nearer_first = std::fabs(value - table[0].value) <= std::fabs(value - table[entries - 1].value);
    return angle_of(nearer_first ? 0 : entries - 1);
}

void GaugeState::place(ElementState& state, bool rate_limited) const {
    ELEMENT_HEADER* e = state.record;
    Placement& p = state.placement;
    p.bitmap = e->bitmap;
    switch (e->kind) {
        case kElementNeedle: {
            auto* needle = reinterpret_cast<ELEMENT_NEEDLE*>(e);
            p.angle = needle->calibration != nullptr
                          ? calibrated_angle(needle->calibration, needle->calibration_entries, e->position, state.value)
                          : state.value;
            if (!rate_limited || needle->rate_limit == 0 || !p.angle_set) {
                p.shown_angle = p.angle;
            } else {
                double step = std::remainder(p.angle - p.shown_angle, 360.0);
                double limit = needle->rate_limit;
                p.shown_angle += std::clamp(step, -limit, limit);
            }
            p.angle_set = true;
            break;
        }
        case kElementSlider: {
            auto* slider = reinterpret_cast<ELEMENT_SLIDER*>(e);
            p.dx = slider->x.source.token != 0 || slider->x.callback ? state.x * slider->x.scale : 0;
            p.dy = slider->y.source.token != 0 || slider->y.callback ? state.y * slider->y.scale : 0;
            break;
        }
        case kElementIcon: {
            auto* icon = reinterpret_cast<ELEMENT_ICON*>(e);
            double k = std::trunc(state.value);
            bool shown = k >= 0 && k < icon->icon_count && resources_.bitmap(static_cast<uint32_t>(e->bitmap + k));
            p.bitmap = shown ? e->bitmap + static_cast<int32_t>(k) : -1;
            break;
        }
        case kElementMovingImage: {
            auto* moving = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(e);
            const Bitmap* strip = resources_.bitmap(static_cast<uint32_t>(e->bitmap));
            const Bitmap* window = resources_.bitmap(static_cast<uint32_t>(e->bitmap + 1));
            auto travel = [](const MOVING_AXIS& axis, double value, int32_t strip_length, int32_t window_length) {
                if (axis.minimum == 0 && axis.maximum == 0) return 0.0;
                if (axis.maximum <= axis.minimum) return 0.0;
                double held = std::clamp(value, axis.minimum, axis.maximum);
                return (held - axis.minimum) / (axis.maximum - axis.minimum) * (strip_length - window_length);
            };
            if (strip && window) {
                p.dx = travel(moving->x, state.x, strip->width, window->width);
                p.dy = travel(moving->y, state.y, strip->height, window->height);
            }
            break;
        }
        case kElementSprite: {
            auto* sprite = reinterpret_cast<ELEMENT_SPRITE*>(e);
            p.cx = e->position.x + e->offset.x + state.x * sprite->x.scale;
            p.cy = e->position.y + e->offset.y + state.y * sprite->y.scale;
            p.turn = state.r * sprite->rotation.scale;
            break;
        }
        default:
            break;
    }
}

void GaugeState::update_element(ElementState& state, const Variables& vars, const std::set<uint32_t>& failed) {
    ELEMENT_HEADER* e = state.record;
    state.failure = active_failure(e->failures, failed);
    if (state.failure == FailureAction::Freeze) return;

    switch (e->kind) {
        case kElementNeedle: {
            auto* needle = reinterpret_cast<ELEMENT_NEEDLE*>(e);
            double v = refresh(needle->source, vars);
            state.value = needle->callback ? needle->callback(needle) : v;
            break;
        }
        case kElementString: {
            auto* text = reinterpret_cast<ELEMENT_STRING*>(e);
            double first = refresh(text->source[0], vars);
            refresh(text->source[1], vars);
            refresh(text->source[2], vars);
            state.value = text->callback ? text->callback(text) : first;
            // The buffer is the host's: whatever the callback did, it ends within its room.
            state.buffer[text->max_length] = '\0';
            state.text = state.buffer.get();
            break;
        }
        case kElementSlider: {
            auto* slider = reinterpret_cast<ELEMENT_SLIDER*>(e);
            double x = refresh(slider->x.source, vars);
            double y = refresh(slider->y.source, vars);
            state.x = slider->x.callback ? slider->x.callback(slider) : x;
            state.y = slider->y.callback ? slider->y.callback(slider) : y;
            break;
        }
        case kElementIcon: {
            auto* icon = reinterpret_cast<ELEMENT_ICON*>(e);
            double v = refresh(icon->source, vars);
            state.value = icon->callback ? icon->callback(icon) : v;
            break;
        }
        case kElementMovingImage: {
            auto* moving = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(e);
            double x = refresh(moving->x.source, vars);
            double y = refresh(moving->y.source, vars);
            state.x = moving->callback_x ? moving->callback_x(moving) : x;
            state.y = moving->callback_y ? moving->callback_y(moving) : y;
            break;
        }
        case kElementSprite: {
            auto* sprite = reinterpret_cast<ELEMENT_SPRITE*>(e);
            state.x = refresh(sprite->x.source, vars);
            double y = refresh(sprite->y.source, vars);
            state.r = refresh(sprite->rotation.source, vars);
            // The one callback slot in use drives the vertical axis.
            state.y = sprite->callbacks[2] ? sprite->callbacks[2](sprite) : y;
            break;
        }
        default:
            break;
    }

    if (state.failure == FailureAction::Zero) {
        state.value = state.x = state.y = state.r = 0;
        state.text.clear();
    } else if (state.failure == FailureAction::Darken) {
        state.text.clear();
    }
}

}  // namespace panel
