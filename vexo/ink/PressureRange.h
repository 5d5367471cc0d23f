#pragma once
// Where a new stroke's maxPressure comes from: the tablet driver's pressure
// range, asked once per process and cached, or 1023 without a driver.

class IPressureQuery {
public:
    virtual ~IPressureQuery() = default;
    // The device's highest normal-pressure value; 0 or less when unknown.
    virtual int QueryMaxPressure() = 0;
};

constexpr int kDefaultMaxPressure = 1023;

// Installs the query used for new strokes (nullptr: none) and forgets the
// cached value. The query must outlive its use.
void SetPressureQuery(IPressureQuery* query);

// The value a new stroke takes.
int NewStrokeMaxPressure();
