#pragma once

// The program-wide options of the General Options sheet, in force for the whole process.

// One option: on (1) or off (0). Its stored value (section "Options") is on when nothing is
// stored. Loading also puts the value in force; saving stores it and puts it in force.
class CGeneralOption {
public:
    explicit CGeneralOption(const char* key) : m_key(key) {}

    bool IsOn() const { return m_value != 0; }
    void Set(int value) { m_value = value; }
    int Load();
    void Save(int value);

private:
    const char* m_key;
    int m_value = 1;
};

// Whether a deal's vulnerability is drawn in colour; read wherever a vulnerability is drawn.
CGeneralOption& VulnerabilityInColour();
// Whether the bidding table shows the review (double-dummy tricks, par, score) once the
// auction is complete; classes that want it hidden turn it off.
CGeneralOption& ReviewShown();
