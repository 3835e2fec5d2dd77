#include "options/translations.h"

namespace zel::translations {

const std::vector<DefaultText> &defaultTexts()
{
    // Key, English wording, Spanish, French, French for men (empty: the same as for women).
    static const std::vector<DefaultText> texts = {
        {1, u"DateFormat", u"mm/dd/yyyy", u"yyyy/mm/dd", u""},
        {2, u"Unavailable Message", u"No es disponible", u"Non disponible", u""},
        {3, u"Substitution Message", u"Sustitución", u"Substitution", u""},
        {4, u"BackOrder/Short Message", u"Para atrás", u"Commande en Attente", u""},
        {5, u"Special Charge/Credit Message", u"Tarifa Especial", u"Crédit/Frais Spéciale", u""},
        {6, u"Order Title 1", u"Orden titulo 1", u"Titre de la Commande 1", u""},
        {7, u"Order Title 2", u"Orden titulo 2", u"Titre de la Commande 2", u""},
        {8, u"End Of Order Message", u"Para finales de mensaje", u"Fin de la Commande", u""},
        {9, u"Tax 1", u"Impuesto 1", u"Taxe de Vente 1", u""},
        {10, u"Tax 2", u"Impuesto 2", u"Taxe de Vente 2", u""},
        {11, u"Extra Charges 1", u"Cargos adicionales 1", u"Frais Supplémentaire 1", u""},
        {12, u"Extra Charges 2", u"Cargos adicionales 2", u"Frais Supplémentaire 2", u""},
        {13, u"Global Message 1", u"Mensaje mundial 1", u"Message Globale 1", u""},
        {14, u"Global Message 2", u"Mensaje mundial 2", u"Message Globale 2", u""},
        {15, u"Global Message 3", u"Mensaje mundial 3", u"Message Globale 3", u""},
        {16, u"Global Message 4", u"Mensaje mundial 4", u"Message Globale 4", u""},
        {17, u"Global Message 5", u"Mensaje mundial 5", u"Message Globale 5", u""},
        {18, u"Email Subject", u"e-mail tema", u"sujet", u""},
        {19, u"Email Body", u"e-mail cuerpo", u"corps du message", u""},
        {20, u"Customer", u"Cliente", u"Numéro de la cliente", u"Numéro du client"},
        {21, u"Area", u"Area", u"Region", u""},
        {22, u"Page", u"Pagina", u"Page", u""},
        {23, u"Product #", u"Numero de producto", u"# de Produit", u""},
        {24, u"Product", u"Producto", u"Produit", u""},
        {25, u"Qty", u"Cantidad", u"Qté", u""},
        {26, u"Price", u"Precio", u"Prix", u""},
        {27, u"Total", u"Total", u"Montant", u""},
        {28, u"Sub Total", u"Subtotal", u"Montant Partiel", u""},
        {29, u"Processing Charge", u"procesamiento de cargo", u"Frais de traitement", u""},
        {30, u"Helper Discount", u"ayudante de discuento", u"Escompte d'assistance", u""},
        {31, u"Grand Total", u"Total", u"Total", u""},
        {32, u"Previous Campaign Balance", u"equilibrio anterior de campaña", u"Solde de la Compagne Précédant", u""},
        {33, u"Combined Campaign Balance", u"equilibrio combinado de campaña ", u"Solde des Compagnes", u""},
        {34, u"Total Item Count", u"conde total de artículo", u"Nombre d'articles", u""},
        {35, u"Brochure Count", u"conde de folleto", u"quantité de brochures", u""},
        {36, u"Campaign", u"campaña", u"Campagne", u""},
        {37, u"Customer Number", u"número de cliente", u"Numéro de la Cliente", u"Numéro du Client"},
        {38, u"Saved", u"guardado", u"Sauvegarder", u""},
        {39, u"Off Regular Price Of", u"del precio regular de", u"Rabais sur le Prix Régulier de", u""},
        {40, u"Line Item Discounts", u"el artículo de la línea descuenta", u"Escomptes de la Ligne", u""},
        {41, u"Special Discounts", u"descuenta especial", u"Escompte Spéciale", u""},
        {42, u"Total Savings", u"ahorros totales", u"Rabais Total", u""},
        {43, u"Payment", u"pago", u"Paiement", u""},
        {44, u"Balance Due", u"saldo debido", u"Solde Dû", u""},
        {45, u"Paid In Full", u"pagado en su totalidad", u"Payé en Totalité", u""},
        {46, u"Credit Due", u"debido crédito", u"Crédit Dû", u""},
        {51, u"Points Message 1", u"puntos mensaje 1", u"Message Points 1", u""},
        {52, u"Points Message 2", u"puntos mensaje 2", u"Message Points 2", u""},
        {53, u"Points Message 3", u"puntos mensaje 3", u"Message Points 3", u""},
        {54, u"Points Message 4", u"puntos mensaje 4", u"Message Points 4", u""},
        {55, u"Points Message 5", u"puntos mensaje 5", u"Message Points 5", u""},
        {56, u"Points Message 6", u"puntos mensaje 6", u"Message Points 6", u""},
        {57, u"Points Message 7", u"puntos mensaje 7", u"Message Points 7", u""},
        {58, u"Points Message 8", u"puntos mensaje 8", u"Message Points 8", u""},
        {59, u"Points Message 9", u"puntos mensaje 9", u"Message Points 9", u""},
    };
    return texts;
}

} // namespace zel::translations
