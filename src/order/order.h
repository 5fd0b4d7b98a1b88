#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The order in memory: one object, its systems, customer, counts and notes.

inline constexpr int kMaxSystems = 15;
inline constexpr int kTypeCount = 11;     // system types, see systemtypes.h
inline constexpr int kProductCount = 11;  // additional products
inline constexpr int kMaxNoteLines = 10;

// Capacities of the text fields of a system record, in characters.
inline constexpr int kImpulseTextCapacity = 4;  // litr_impulse_1, litr_impulse_2
inline constexpr int kShortTextCapacity = 3;    // own range limits, max_p, thermometer lengths
inline constexpr int kRangeTextCapacity = 24;   // flow range rows

// One metering system. The field order is the line order of a system block in the order file.
struct TSystemParams {
    bool filled = false;
    bool one_channel = false;
    bool t_cold_used = false;
    bool t_2_without_d_r = false;
    bool impulse_dr = false;
    bool litr_impulse_1_on = false;
    bool litr_impulse_2_on = false;
    QString litr_impulse_1;
    QString litr_impulse_2;
    qint32 diam_t_1 = 0;
    qint32 diam_t_2 = 0;
    QString diap_1;
    QString diap_2;
    bool another_diap_1 = false;
    bool another_diap_2 = false;
    QString another_diap_min_1;
    QString another_diap_max_1;
    QString another_diap_min_2;
    QString another_diap_max_2;
    bool is_p = false;
    QString max_p;
    bool d_p_on_1 = false;
    bool d_p_on_2 = false;
    bool d_p_own = false;
    qint32 d_p_diap = 0;
    QString length_term;
    bool temperature_const = false;
    QString length_term_cold;
    bool dop_channel = false;
    qint32 kind_dop_channel = 0;
    bool mass = false;
    QString length_term_dop;
    bool impulse_d_r_dop = false;
    qint32 litr_impulse_dop = 0;
    qint32 diam_t_dop = 0;
    QString diap_p_dop;
    bool another_diap_dop = false;
    QString another_diap_min_dop;
    QString another_diap_max_dop;

    bool operator==(const TSystemParams&) const = default;
};

struct TCustomerInfo {
    QString object_name;
    QString org_name;
    QString phone;
    QString fax;
    QString email;
    QString contact_name;

    bool operator==(const TCustomerInfo&) const = default;
};

struct TExtras {
    std::array<qint32, kTypeCount> system_counts{};
    std::array<qint32, kProductCount> product_counts{};
    bool air_temperature = false;
    bool printer_support = false;
    bool modem_support = false;

    bool operator==(const TExtras&) const = default;
};

struct TOrderNotes {
    QString comment;
    std::array<QString, kMaxNoteLines> lines;

    bool operator==(const TOrderNotes&) const = default;
};

struct TOrder {
    qint32 number = 0;
    QString date;
    TCustomerInfo customer;
    std::array<TSystemParams, kMaxSystems> systems;
    TExtras extras;
    TOrderNotes notes;

    bool operator==(const TOrder&) const = default;
};

// What the main window keeps beside the order about the current wizard run.
struct TWindowState {
    // Per system: result code of the measurement page, then of the temperature page; 0 = complete.
    std::array<std::array<qint32, 2>, kMaxSystems> page_checks{};
    qint32 proposed_order_number = 0;
    qint32 type_count = 0;
    bool from_draft = false;
    bool order_saved = false;
    bool view_any_order = false;
    std::array<QString, kMaxSystems> system_captions;
    QString opened_order_file;
    QString last_order_file;
    float screen_scale = 0.0f;
    bool settings_ready = false;
};

void ResetCustomer(TOrder& order);
void ResetExtras(TOrder& order);
void ResetNotes(TOrder& order);
void ClearPageChecks(TWindowState& state);

// Puts records first <= index < end into the reset state.
void ResetSystems(TOrder& order, int first, int end);

// Opens a blank record at `position`: records position..total-1 move one place up.
// Requires total <= 14 and position <= total.
void InsertSystem(TOrder& order, int position, int total);

// Drops the record at `position`: records position+1..total-1 move one place down and the record at
// total-1 is reset. Requires position < total <= 15.
void RemoveSystem(TOrder& order, int position, int total);

// The note lines of an order: the leading non-empty entries of `lines`.
int NoteLineCount(const TOrderNotes& notes);

// The sum of the per-type counts (may lie outside 0..15 for counts typed or read from a file).
qint64 SystemCountSum(const TExtras& extras);

// The number of records the order's systems occupy: the sum of the counts, within 0..15.
int UsedSystemCount(const TExtras& extras);
