#include "chart/grafica_indice.h"

namespace chart {

void GraficaIndice(const model::FormState&, runtime::DrawingSurface& Indice, float, char)
{
    Indice.Cls();
}

}  // namespace chart
