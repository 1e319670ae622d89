<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>kelvo</name>
    <message>
        <source>%zu numbers in %s are larger than the file can hold and were cut to %s.</source>
        <translation>%zu números de %s son mayores de lo que cabe en el archivo y se recortaron a %s.</translation>
    </message>
    <message>
        <source>Error data</source>
        <translation>Error de datos</translation>
    </message>
    <message>
        <source>Fill a picked up quantity!</source>
        <translation>¡Indique la cantidad recogida!</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Datos no válidos</translation>
    </message>
    <message>
        <source>The future inventory cannot be less than 0!</source>
        <translation>¡El inventario futuro no puede ser menor que 0!</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel this change ?</source>
        <translation>¿Seguro que desea cancelar este cambio?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source> could not be moved to </source>
        <translation> no se pudo mover a </translation>
    </message>
    <message>
        <source> (the device may be full). Nothing was moved; please try again.</source>
        <translation> (puede que el dispositivo esté lleno). No se movió nada; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The files of </source>
        <translation>Los archivos de </translation>
    </message>
    <message>
        <source>
New route not available. Do you want to restore previous route?</source>
        <translation>
No hay ruta nueva. ¿Desea restaurar la ruta anterior?</translation>
    </message>
    <message>
        <source>Error data files</source>
        <translation>Error en archivos de datos</translation>
    </message>
    <message>
        <source>The previous route in </source>
        <translation>La ruta anterior en </translation>
    </message>
    <message>
        <source>No data available for export!</source>
        <translation>¡No hay datos para exportar!</translation>
    </message>
    <message>
        <source>1 file could not be exported. It is kept on the device; please try Export again.</source>
        <translation>No se pudo exportar 1 archivo. Se conserva en el dispositivo; vuelva a exportar.</translation>
    </message>
    <message>
        <source>%d files could not be exported. They are kept on the device; please try Export again.</source>
        <translation>No se pudieron exportar %d archivos. Se conservan en el dispositivo; vuelva a exportar.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>The export could not be finished: </source>
        <translation>No se pudo terminar la exportación: </translation>
    </message>
    <message>
        <source> could not be written. Please try Export again.</source>
        <translation> no se pudo escribir. Vuelva a exportar.</translation>
    </message>
    <message>
        <source>Export finished!</source>
        <translation>¡Exportación terminada!</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>The invoice file could not be written, so nothing was changed: </source>
        <translation>No se pudo escribir el archivo de la factura; no se cambió nada: </translation>
    </message>
    <message>
        <source>The route file could not be saved (the device may be full): </source>
        <translation>No se pudo guardar el archivo de la ruta (puede que el dispositivo esté lleno): </translation>
    </message>
    <message>
        <source>No route available for the remarks.</source>
        <translation>No hay ruta para las observaciones.</translation>
    </message>
    <message>
        <source>Please select a route first.</source>
        <translation>Seleccione primero una ruta.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error Opening Route XML: </source>
        <translation>Error al abrir el XML de la ruta: </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Error de carga</translation>
    </message>
    <message>
        <source>Perform safety checks ?</source>
        <translation>¿Hacer la revisión de seguridad?</translation>
    </message>
    <message>
        <source>Confirm check</source>
        <translation>Confirmar revisión</translation>
    </message>
    <message>
        <source>The safety checks could not be saved (the device may be full). Please try again.</source>
        <translation>No se pudo guardar la revisión de seguridad (puede que el dispositivo esté lleno). Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Please do safety check!</source>
        <translation>¡Haga la revisión de seguridad!</translation>
    </message>
    <message>
        <source>Confirm cancel</source>
        <translation>Confirmar cancelación</translation>
    </message>
    <message>
        <source>Start Screen</source>
        <translation>Pantalla de inicio</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>The plant whose data are on the device, and the program&apos;s version.

*  Settings: where the data are kept.
-&gt;  Start: takes in the day&apos;s files.</source>
        <translation>La planta cuyos datos están en el dispositivo y la versión del programa.

*  Configuración: dónde se guardan los datos.
-&gt;  Iniciar: carga los archivos del día.</translation>
    </message>
    <message>
        <source>Route Selection</source>
        <translation>Selección de ruta</translation>
    </message>
    <message>
        <source>&amp;Start Route</source>
        <translation>&amp;Iniciar ruta</translation>
    </message>
    <message>
        <source>&amp;Preparation</source>
        <translation>&amp;Preparación</translation>
    </message>
    <message>
        <source>&amp;End Route</source>
        <translation>&amp;Terminar ruta</translation>
    </message>
    <message>
        <source>The day&apos;s routes, and what the selected one has to collect and has collected.

&lt;-  Back to the route driver.
-&gt;  Start Route: asks for the start mileage.
-&gt;  (the second) The truck safety check.
End  End Route: asks for the end mileage.</source>
        <translation>Las rutas del día, y lo que la seleccionada debe cobrar y ha cobrado.

&lt;-  Volver al repartidor.
-&gt;  Iniciar ruta: pide el kilometraje inicial.
-&gt;  (el segundo) La revisión de seguridad del camión.
Fin  Terminar ruta: pide el kilometraje final.</translation>
    </message>
    <message>
        <source>Stop Selection</source>
        <translation>Selección de parada</translation>
    </message>
    <message>
        <source>Select &amp;Stop</source>
        <translation>Elegir &amp;parada</translation>
    </message>
    <message>
        <source>&amp;Undeliverable</source>
        <translation>&amp;No entregable</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>The stops of the route, the selected one&apos;s address and contact.

&lt;-  Back to the routes.
V  Open the stop.
Undel  The stop cannot be delivered: choose why.
--  Driving directions.</source>
        <translation>Las paradas de la ruta, la dirección y el contacto de la seleccionada.

&lt;-  Volver a las rutas.
V  Abrir la parada.
No ent.  La parada no se puede entregar: elija el motivo.
--  Indicaciones para llegar.</translation>
    </message>
    <message>
        <source>Stop Actions</source>
        <translation>Acciones de parada</translation>
    </message>
    <message>
        <source>&amp;Arrived</source>
        <translation>&amp;Llegada</translation>
    </message>
    <message>
        <source>&amp;Departed</source>
        <translation>&amp;Salida</translation>
    </message>
    <message>
        <source>One stop: its contacts, invoices, account and garments.

&lt;-  Back to the stops (not between arrival and departure).
A  Arrived.  D  Departed (once every invoice is settled).
M  Contacts.  CP  Contact persons.
S  Settle the invoices.
AI  Aging.  I  Instructions.
G  Scan garments.  W  Wearers.</source>
        <translation>Una parada: sus contactos, facturas, cuenta y prendas.

&lt;-  Volver a las paradas (no entre llegada y salida).
A  Llegada.  D  Salida (cuando todas las facturas están cobradas).
M  Contactos.  CP  Personas de contacto.
S  Cobrar las facturas.
AI  Antigüedad de saldos.  I  Instrucciones.
G  Escanear prendas.  W  Usuarios.</translation>
    </message>
    <message>
        <source>Invoice Details</source>
        <translation>Detalle de factura</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Adjust Line</source>
        <translation>Ajustar línea</translation>
    </message>
    <message>
        <source>&amp;Order(#)</source>
        <translation>&amp;Pedido(#)</translation>
    </message>
    <message>
        <source>New Service</source>
        <translation>Servicio nuevo</translation>
    </message>
    <message>
        <source>The invoice&apos;s amounts and lines; a settled invoice is read-only.

&lt;-  Back to the stop or its invoices.
Adjust  Adjust the selected line (or double tap it).
Order  Order extra of the line for the next delivery.
Settle  Collect the payment and the signature.</source>
        <translation>Los importes y las líneas de la factura; una factura cobrada solo se puede leer.

&lt;-  Volver a la parada o a sus facturas.
Ajustar  Ajustar la línea seleccionada (o tocarla dos veces).
Pedido  Pedir más de la línea para la próxima entrega.
Cobrar  Cobrar el pago y tomar la firma.</translation>
    </message>
    <message>
        <source>Line Adjustment</source>
        <translation>Ajuste de línea</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>One invoice line. Adjust: delivered and billed quantity, the amount they come to and the reason. Pick Up: the quantity picked up.

Cancel  Leave the line as it was.
Ok  Save the line.</source>
        <translation>Una línea de la factura. Ajuste: cantidad entregada y facturada, su importe y el motivo. Recogida: la cantidad recogida.

Cancelar  Dejar la línea como estaba.
Aceptar  Guardar la línea.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Voice recorder</source>
        <translation>&amp;Grabadora de voz</translation>
    </message>
    <message>
        <source>The stop&apos;s calls: the contact person spoken to, the category, the status and the notes (a saved call takes follow-up notes).

&lt;-  Back to the stop; changes not saved are offered for saving.
New  A new call.
V  Save the call.
Cancel  Drop the changes not saved.
Rec  Record a voice message for the call; Stop ends it.</source>
        <translation>Las llamadas de la parada: la persona de contacto, la categoría, el estado y las notas (una llamada guardada admite notas de seguimiento).

&lt;-  Volver a la parada; se ofrece guardar los cambios.
Nueva  Una llamada nueva.
V  Guardar la llamada.
Cancelar  Descartar los cambios no guardados.
Grabar  Grabar un mensaje de voz para la llamada; Parar lo termina.</translation>
    </message>
    <message>
        <source>Safety Check</source>
        <translation>Revisión de seguridad</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Página</translation>
    </message>
    <message>
        <source>The truck checklist, four items a page: tap Ok or Need Maintenance for each.

-&gt;  Save the answers.
Cancel  Drop the answers not saved.
Page  Remarks on the truck.</source>
        <translation>La lista de revisión del camión, cuatro puntos por página: toque Bien o Necesita mantenimiento en cada uno.

-&gt;  Guardar las respuestas.
Cancelar  Descartar las respuestas no guardadas.
Página  Observaciones sobre el camión.</translation>
    </message>
    <message>
        <source>Memory Location</source>
        <translation>Ubicación de memoria</translation>
    </message>
    <message>
        <source>Where the data are kept: in main memory or on a storage card.

-&gt;  Move the data there.
Cancel  Leave them where they are.</source>
        <translation>Dónde se guardan los datos: en la memoria principal o en una tarjeta de memoria.

-&gt;  Mover los datos allí.
Cancelar  Dejarlos donde están.</translation>
    </message>
    <message>
        <source>Contact Person</source>
        <translation>Persona de contacto</translation>
    </message>
    <message>
        <source>The stop&apos;s contact persons and their functions.

&lt;-  Back to the stop.</source>
        <translation>Las personas de contacto de la parada y sus cargos.

&lt;-  Volver a la parada.</translation>
    </message>
    <message>
        <source>Stop Information</source>
        <translation>Información de parada</translation>
    </message>
    <message>
        <source>The stop&apos;s instructions, or its account&apos;s aging and last payment.

&lt;-  Back to the stop.</source>
        <translation>Las instrucciones de la parada, o la antigüedad de saldos y el último pago de su cuenta.

&lt;-  Volver a la parada.</translation>
    </message>
    <message>
        <source>Invoice Selection</source>
        <translation>Selección de factura</translation>
    </message>
    <message>
        <source>&amp;Settlement</source>
        <translation>&amp;Cobro</translation>
    </message>
    <message>
        <source>The stop&apos;s invoices, what is to pay and what was collected.

&lt;-  Back to the stop.
S  Open the selected invoice (or double tap it).</source>
        <translation>Las facturas de la parada, lo que hay que pagar y lo cobrado.

&lt;-  Volver a la parada.
S  Abrir la factura seleccionada (o tocarla dos veces).</translation>
    </message>
    <message>
        <source>Garment Scanning</source>
        <translation>Escaneo de prendas</translation>
    </message>
    <message>
        <source>Flag Mode</source>
        <translation>Modo marca</translation>
    </message>
    <message>
        <source>Replace Mode</source>
        <translation>Modo cambio</translation>
    </message>
    <message>
        <source>Flag a garment, or mark it for replacement: choose the flag or the reason, type a remark or reference, then scan or type the garment&apos;s ID-Code; Enter stores it.

Flag, Replace  What is stored.
V  Store the garment.
Cancel  Clear the entry.
&lt;-  Back to the stop.</source>
        <translation>Marcar una prenda o pedir su cambio: elija la marca o el motivo, escriba una observación o referencia y luego escanee o escriba el código ID de la prenda; Intro la guarda.

Marcar, Cambio  Lo que se guarda.
V  Guardar la prenda.
Cancelar  Borrar la entrada.
&lt;-  Volver a la parada.</translation>
    </message>
    <message>
        <source>Wearers</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>Add Wearer</source>
        <translation>Añadir usuario</translation>
    </message>
    <message>
        <source>Make-A-Like</source>
        <translation>Copiar usuario</translation>
    </message>
    <message>
        <source>Add Product</source>
        <translation>Añadir producto</translation>
    </message>
    <message>
        <source>Quit Wearer</source>
        <translation>Dar de baja usuario</translation>
    </message>
    <message>
        <source>Cancel Transaction</source>
        <translation>Cancelar transacción</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Change Quantity</source>
        <translation>Cambiar cantidad</translation>
    </message>
    <message>
        <source>Quit Product</source>
        <translation>Dar de baja producto</translation>
    </message>
    <message>
        <source>Wearer Page 2</source>
        <translation>Usuario, página 2</translation>
    </message>
    <message>
        <source>Work Order</source>
        <translation>Orden de trabajo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Select Size</source>
        <translation>Elegir talla</translation>
    </message>
    <message>
        <source>Exchange Product</source>
        <translation>Cambiar producto</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>New Services</source>
        <translation>Servicios nuevos</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>The flat-good services added for the customer: product, frequency, quantity and price.

&lt;-  Back to the invoice.
V  Add a service.
Cancel  Delete the selected service.</source>
        <translation>Los servicios de ropa plana añadidos para el cliente: producto, frecuencia, cantidad y precio.

&lt;-  Volver a la factura.
V  Añadir un servicio.
Cancelar  Borrar el servicio seleccionado.</translation>
    </message>
    <message>
        <source>Add New Service</source>
        <translation>Añadir servicio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A new flat-good service: choose the group, the product and the frequency; the catalogue&apos;s price is filled in and may be changed; type the quantity.

Save  Add the service.
Cancel  Back to the services without adding.</source>
        <translation>Un servicio nuevo de ropa plana: elija el grupo, el producto y la frecuencia; el precio del catálogo se rellena y se puede cambiar; escriba la cantidad.

Guardar  Añadir el servicio.
Cancelar  Volver a los servicios sin añadir.</translation>
    </message>
    <message>
        <source>Order Detail</source>
        <translation>Detalle del pedido</translation>
    </message>
    <message>
        <source>The invoice&apos;s products with their inventory now and after the change.

&lt;-  Back to the invoice.
Cancel  Undo the change of the selected product.
Change  Change the selected product&apos;s inventory.</source>
        <translation>Los productos de la factura con su inventario actual y tras el cambio.

&lt;-  Volver a la factura.
Cancelar  Deshacer el cambio del producto seleccionado.
Cambiar  Cambiar el inventario del producto seleccionado.</translation>
    </message>
    <message>
        <source>Inventory Change</source>
        <translation>Cambio de inventario</translation>
    </message>
    <message>
        <source>The inventory of one product: type the change, see the future inventory.

&lt;-  Leave it unchanged.
Ok  Store the future inventory.</source>
        <translation>El inventario de un producto: escriba el cambio y vea el inventario futuro.

&lt;-  Dejarlo sin cambios.
Aceptar  Guardar el inventario futuro.</translation>
    </message>
    <message>
        <source>Please choose a product and a frequency first!</source>
        <translation>¡Elija primero un producto y una frecuencia!</translation>
    </message>
    <message>
        <source>Please enter pick up quantities before settlement!</source>
        <translation>¡Indique las cantidades recogidas antes de cobrar!</translation>
    </message>
    <message>
        <source>You must fill the check number before!</source>
        <translation>¡Antes debe indicar el número de cheque!</translation>
    </message>
    <message>
        <source>Payment by Check</source>
        <translation>Pago con cheque</translation>
    </message>
    <message>
        <source>Enter no more than 16 characters.</source>
        <translation>Escriba como máximo 16 caracteres.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Escriba un número.</translation>
    </message>
    <message>
        <source>The storage location &quot;%s&quot; in %s cannot name a folder. The data are looked for in the main memory.</source>
        <translation>La ubicación &quot;%s&quot; de %s no puede nombrar una carpeta. Los datos se buscan en la memoria principal.</translation>
    </message>
    <message>
        <source>No data available.</source>
        <translation>No hay datos.</translation>
    </message>
    <message>
        <source>
Please import files first!</source>
        <translation>
¡Importe primero los archivos!</translation>
    </message>
    <message>
        <source>Error Starting Application: version mismatch.</source>
        <translation>Error al iniciar la aplicación: las versiones no coinciden.</translation>
    </message>
    <message>
        <source>
Application version = </source>
        <translation>
Versión de la aplicación = </translation>
    </message>
    <message>
        <source>
XML Data version = </source>
        <translation>
Versión de los datos XML = </translation>
    </message>
    <message>
        <source>Abort Application</source>
        <translation>Aplicación interrumpida</translation>
    </message>
    <message>
        <source>
The file transfer is still in progress, please wait until this is completed and then try again!</source>
        <translation>
La transferencia de archivos aún no ha terminado. ¡Espere a que termine e inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Error import data files</source>
        <translation>Error al importar los archivos</translation>
    </message>
    <message>
        <source>The data could not be moved to </source>
        <translation>No se pudieron mover los datos a </translation>
    </message>
    <message>
        <source>. They stay where they were.</source>
        <translation>. Se quedan donde estaban.</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Don&apos;t forget: 
Customer Satisfaction Survey</source>
        <translation>No olvide: 
encuesta de satisfacción del cliente</translation>
    </message>
    <message>
        <source>Arrival Time: %s</source>
        <translation>Hora de llegada: %s</translation>
    </message>
    <message>
        <source>Delivery Instructions</source>
        <translation>Instrucciones de entrega</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Departed At: %s</source>
        <translation>Salida a las: %s</translation>
    </message>
    <message>
        <source>Stop# %d Account# %.0f</source>
        <translation>Parada %d Cuenta %.0f</translation>
    </message>
    <message>
        <source>No Flag selected!</source>
        <translation>¡No ha elegido ninguna marca!</translation>
    </message>
    <message>
        <source>Same flag on the same garment is not allowed!</source>
        <translation>¡No se permite la misma marca en la misma prenda!</translation>
    </message>
    <message>
        <source>No Reason Code selected!</source>
        <translation>¡No ha elegido ningún motivo!</translation>
    </message>
    <message>
        <source>Valid chars are 0..9 and A..F!</source>
        <translation>¡Los caracteres válidos son 0..9 y A..F!</translation>
    </message>
    <message>
        <source>Invalid ID Code</source>
        <translation>Código ID no válido</translation>
    </message>
    <message>
        <source>Max Length is </source>
        <translation>La longitud máxima es </translation>
    </message>
    <message>
        <source>Invalid ID Code Length</source>
        <translation>Longitud de código ID no válida</translation>
    </message>
    <message>
        <source>Please fill ID Code first!</source>
        <translation>¡Indique primero el código ID!</translation>
    </message>
    <message>
        <source>Only ID Codes with lengths:</source>
        <translation>Los códigos ID de longitud:</translation>
    </message>
    <message>
        <source> are valid!</source>
        <translation> son los únicos válidos.</translation>
    </message>
    <message>
        <source>Invalid length ID Code</source>
        <translation>Código ID de longitud no válida</translation>
    </message>
    <message>
        <source>Error Opening Invoice XML:</source>
        <translation>Error al abrir el XML de la factura:</translation>
    </message>
    <message>
        <source>The invoice file is damaged and was not read: </source>
        <translation>El archivo de la factura está dañado y no se leyó: </translation>
    </message>
    <message>
        <source>This invoice number cannot name a file and was not read: </source>
        <translation>Este número de factura no puede nombrar un archivo y no se leyó: </translation>
    </message>
    <message>
        <source>Only numerical characters are allowed!</source>
        <translation>¡Solo se permiten cifras!</translation>
    </message>
    <message>
        <source>Invalid entered price!</source>
        <translation>¡El precio indicado no es válido!</translation>
    </message>
    <message>
        <source>Price is too big, maximal price is </source>
        <translation>El precio es demasiado alto; el máximo es </translation>
    </message>
    <message>
        <source>Maximal %d decimals are allowed!</source>
        <translation>¡Se permiten como máximo %d decimales!</translation>
    </message>
    <message>
        <source>This product and frequency were already added!</source>
        <translation>¡Este producto con esta frecuencia ya está añadido!</translation>
    </message>
    <message>
        <source>COD</source>
        <translation>CON</translation>
    </message>
    <message>
        <source>CHG</source>
        <translation>CRE</translation>
    </message>
    <message>
        <source>Settled</source>
        <translation>Liquidada</translation>
    </message>
    <message>
        <source>Stops served</source>
        <translation>Paradas servidas</translation>
    </message>
    <message>
        <source>Stops undeliverable</source>
        <translation>Paradas no entregables</translation>
    </message>
    <message>
        <source>Stops open</source>
        <translation>Paradas pendientes</translation>
    </message>
    <message>
        <source>Invoices settled</source>
        <translation>Facturas cobradas</translation>
    </message>
    <message>
        <source>Invoices open</source>
        <translation>Facturas pendientes</translation>
    </message>
    <message>
        <source>Cash collected</source>
        <translation>Efectivo cobrado</translation>
    </message>
    <message>
        <source>Cheques</source>
        <translation>Cheques</translation>
    </message>
    <message>
        <source>Inv# %.0f  Chq %s</source>
        <translation>Fact. %.0f  Cheque %s</translation>
    </message>
    <message>
        <source>Total collected</source>
        <translation>Total cobrado</translation>
    </message>
    <message>
        <source>COD expected</source>
        <translation>Contado esperado</translation>
    </message>
    <message>
        <source>COD collected</source>
        <translation>Contado cobrado</translation>
    </message>
    <message>
        <source>COD delayed</source>
        <translation>Contado aplazado</translation>
    </message>
    <message>
        <source>Charge invoices settled</source>
        <translation>Facturas a crédito cobradas</translation>
    </message>
    <message>
        <source>Charge collected</source>
        <translation>Cobrado a crédito</translation>
    </message>
    <message>
        <source>Adjustments +</source>
        <translation>Ajustes +</translation>
    </message>
    <message>
        <source>Adjustments -</source>
        <translation>Ajustes -</translation>
    </message>
    <message>
        <source>The day: 1 route</source>
        <translation>El día: 1 ruta</translation>
    </message>
    <message>
        <source>The day: %zu routes</source>
        <translation>El día: %zu rutas</translation>
    </message>
    <message>
        <source>Route %d</source>
        <translation>Ruta %d</translation>
    </message>
    <message>
        <source>Day Recap</source>
        <translation>Resumen del día</translation>
    </message>
    <message>
        <source>Route Man %d %s, truck %s</source>
        <translation>Repartidor %d %s, camión %s</translation>
    </message>
    <message>
        <source>The recap is written: </source>
        <translation>El resumen está escrito: </translation>
    </message>
    <message>
        <source>The recap could not be written: </source>
        <translation>No se pudo escribir el resumen: </translation>
    </message>
    <message>
        <source>Stop %u   Account# %.0f</source>
        <translation>Parada %u   Cuenta %.0f</translation>
    </message>
    <message>
        <source>Invoice# %.0f</source>
        <translation>Factura %.0f</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Crédito</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Deliv</source>
        <translation>Entr.</translation>
    </message>
    <message>
        <source>Billed</source>
        <translation>Fact.</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Adj</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Prebilled</source>
        <translation>Prefacturado</translation>
    </message>
    <message>
        <source>Adjustments</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Pay this Amount</source>
        <translation>Importe a pagar</translation>
    </message>
    <message>
        <source>Amount Collected</source>
        <translation>Importe cobrado</translation>
    </message>
    <message>
        <source>Paid in cash</source>
        <translation>Pagado en efectivo</translation>
    </message>
    <message>
        <source>Paid by cheque# </source>
        <translation>Pagado con cheque n.º </translation>
    </message>
    <message>
        <source>DELAYED</source>
        <translation>APLAZADO</translation>
    </message>
    <message>
        <source>Signed by: </source>
        <translation>Firmado por: </translation>
    </message>
    <message>
        <source>No signature required</source>
        <translation>No se requiere firma</translation>
    </message>
    <message>
        <source>Settled </source>
        <translation>Cobrada </translation>
    </message>
    <message>
        <source>The receipt cannot be shown: </source>
        <translation>No se puede mostrar el recibo: </translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>The receipt could not be written: </source>
        <translation>No se pudo escribir el recibo: </translation>
    </message>
    <message>
        <source>
The invoice is settled all the same.</source>
        <translation>
La factura queda cobrada de todos modos.</translation>
    </message>
    <message>
        <source>Write PDF</source>
        <translation>Escribir PDF</translation>
    </message>
    <message>
        <source>The day and each route: stops served, undeliverable and open; invoices settled and open; cash and each cheque; COD expected, collected and delayed; charge invoices; adjustments.

&lt;-  Back to the route driver.
PDF  Writes the recap to \My Documents\Receipts\.</source>
        <translation>El día y cada ruta: paradas servidas, no entregables y pendientes; facturas cobradas y pendientes; efectivo y cada cheque; contado esperado, cobrado y aplazado; facturas a crédito; ajustes.

&lt;-  Volver al repartidor.
PDF  Escribe el resumen en \My Documents\Receipts\.</translation>
    </message>
    <message>
        <source>These files are larger than %d MB, and Kelvo cannot read them: </source>
        <translation>Estos archivos superan los %d MB y Kelvo no puede leerlos: </translation>
    </message>
    <message>
        <source>These entries of </source>
        <translation>Estas entradas de </translation>
    </message>
    <message>
        <source> are no files (a link, a device or a folder) and were left where they are: </source>
        <translation> no son archivos (un enlace, un dispositivo o una carpeta) y se dejaron donde estaban: </translation>
    </message>
    <message>
        <source>The export could not be started (the device may be full). Nothing was exported; please try Export again.</source>
        <translation>No se pudo empezar la exportación (puede que el dispositivo esté lleno). No se exportó nada; vuelva a exportar.</translation>
    </message>
    <message>
        <source>The export that was cut short could not be finished (the device may be full). Please try again.</source>
        <translation>No se pudo terminar la exportación interrumpida (puede que el dispositivo esté lleno). Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Kelvo is already running on this device.</source>
        <translation>Kelvo ya se está ejecutando en este dispositivo.</translation>
    </message>
    <message>
        <source>Add another product ?</source>
        <translation>¿Añadir otro producto?</translation>
    </message>
    <message>
        <source>Belt Printer</source>
        <translation>Impresora portátil</translation>
    </message>
    <message>
        <source>No belt printer is set up. Name it in %s on a line such as BeltPrinter=192.168.1.40:9100 or BeltPrinter=/dev/rfcomm0.</source>
        <translation>No hay ninguna impresora portátil configurada. Indíquela en %s con una línea como BeltPrinter=192.168.1.40:9100 o BeltPrinter=/dev/rfcomm0.</translation>
    </message>
    <message>
        <source>The belt printer setting &quot;%s&quot; in %s names no printer: it takes a network address with its port, such as 192.168.1.40:9100, or a device file, such as /dev/rfcomm0.</source>
        <translation>La configuración de impresora portátil &quot;%s&quot; en %s no indica ninguna impresora: admite una dirección de red con su puerto, como 192.168.1.40:9100, o un archivo de dispositivo, como /dev/rfcomm0.</translation>
    </message>
    <message>
        <source>Money to receive</source>
        <translation>Dinero a recibir</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Repartidor</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Voucher</source>
        <translation>Vale</translation>
    </message>
    <message>
        <source>Hand over</source>
        <translation>A entregar</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Factura</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Cheque#</source>
        <translation>Cheque n.º</translation>
    </message>
    <message>
        <source>COD: asked %s, collected %s, delayed %s</source>
        <translation>Contado: pedido %s, cobrado %s, aplazado %s</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Collected</source>
        <translation>Cobrado</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>overpaid</source>
        <translation>pagado de más</translation>
    </message>
    <message>
        <source>Charge invoices settled: %d, collected %s</source>
        <translation>Facturas a crédito cobradas: %d, cobrado %s</translation>
    </message>
    <message>
        <source>Handed over by </source>
        <translation>Entregado por </translation>
    </message>
    <message>
        <source>Received by the cashier (date and signature)</source>
        <translation>Recibido por el cajero (fecha y firma)</translation>
    </message>
    <message>
        <source>Invoices and stops</source>
        <translation>Facturas y paradas</translation>
    </message>
    <message>
        <source>Stops: %zu served, %zu undeliverable, %zu open, of %zu</source>
        <translation>Paradas: %zu servidas, %zu no entregables, %zu pendientes, de %zu</translation>
    </message>
    <message>
        <source>Invoices: %zu settled, %zu undeliverable, %zu open, %zu did not come back, of %zu</source>
        <translation>Facturas: %zu cobradas, %zu no entregables, %zu pendientes, %zu no volvieron, de %zu</translation>
    </message>
    <message>
        <source>Mileage: %.1f at the start (%s), %.1f at the end (%s): %.1f driven</source>
        <translation>Kilometraje: %.1f al inicio (%s), %.1f al final (%s): %.1f recorridos</translation>
    </message>
    <message>
        <source>Safety remarks: </source>
        <translation>Observaciones de seguridad: </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>open</source>
        <translation>pendiente</translation>
    </message>
    <message>
        <source>undeliverable</source>
        <translation>no entregable</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>What became of it</source>
        <translation>Qué fue de ella</translation>
    </message>
    <message>
        <source>Truck </source>
        <translation>Camión </translation>
    </message>
    <message>
        <source>Safety check: did not come back</source>
        <translation>Revisión de seguridad: no volvió</translation>
    </message>
    <message>
        <source>Safety check: no item needs maintenance</source>
        <translation>Revisión de seguridad: ningún elemento necesita mantenimiento</translation>
    </message>
    <message>
        <source>Safety check, items that need maintenance: %zu</source>
        <translation>Revisión de seguridad, elementos que necesitan mantenimiento: %zu</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Needs maintenance</source>
        <translation>Necesita mantenimiento</translation>
    </message>
    <message>
        <source>Adjustments to approve</source>
        <translation>Ajustes a aprobar</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculado</translation>
    </message>
    <message>
        <source>Adjustments: plus %s, minus %s</source>
        <translation>Ajustes: más %s, menos %s</translation>
    </message>
    <message>
        <source>Work to hand on</source>
        <translation>Trabajo a transmitir</translation>
    </message>
    <message>
        <source>Wearer change</source>
        <translation>Cambio de usuario</translation>
    </message>
    <message>
        <source>Wearer</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Garment</source>
        <translation>Prenda</translation>
    </message>
    <message>
        <source>To do</source>
        <translation>Por hacer</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Remark or reference</source>
        <translation>Observación o referencia</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>sustituir</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>marcar</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamada</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nueva</translation>
    </message>
    <message>
        <source>follow-up</source>
        <translation>seguimiento</translation>
    </message>
    <message>
        <source>New service</source>
        <translation>Servicio nuevo</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Nothing to hand on.</source>
        <translation>Nada que transmitir.</translation>
    </message>
    <message>
        <source>Consistency</source>
        <translation>Coherencia</translation>
    </message>
    <message>
        <source>%s: %zu folders, %zu routes, %zu stops, %zu invoices checked in; %zu errors, %zu warnings.</source>
        <translation>%s: %zu carpetas, %zu rutas, %zu paradas y %zu facturas recibidas; %zu errores, %zu avisos.</translation>
    </message>
    <message>
        <source>The day checks in clean.</source>
        <translation>El día se recibe sin errores.</translation>
    </message>
    <message>
        <source>The day does not check in clean.</source>
        <translation>El día no se recibe sin errores.</translation>
    </message>
    <message>
        <source>Check-in of </source>
        <translation>Recepción de </translation>
    </message>
    <message>
        <source>Returned: </source>
        <translation>Devuelto: </translation>
    </message>
    <message>
        <source> (truck %s, Route Man %s)</source>
        <translation> (camión %s, repartidor %s)</translation>
    </message>
    <message>
        <source>the name gives no route number and date (Route_&lt;number&gt;_&lt;yyyyMMdd&gt;.xml): its money is not counted</source>
        <translation>el nombre no da número de ruta ni fecha (Route_&lt;número&gt;_&lt;aaaaMMdd&gt;.xml): su dinero no se cuenta</translation>
    </message>
    <message>
        <source>cannot be read: its money is not counted</source>
        <translation>no se puede leer: su dinero no se cuenta</translation>
    </message>
    <message>
        <source>the file holds a route of &quot;%s&quot;, its name one of %s</source>
        <translation>el archivo contiene una ruta del &quot;%s&quot;, su nombre una del %s</translation>
    </message>
    <message>
        <source>the route came back without its end mileage: it was not ended, and its day may not be over</source>
        <translation>la ruta volvió sin el kilometraje final: no se terminó, y puede que su día no haya acabado</translation>
    </message>
    <message>
        <source>cannot be read: the truck&apos;s safety check is missing</source>
        <translation>no se puede leer: falta la revisión de seguridad del camión</translation>
    </message>
    <message>
        <source>%zu of the %zu items of the safety check were left unanswered</source>
        <translation>%zu de los %zu elementos de la revisión de seguridad quedaron sin respuesta</translation>
    </message>
    <message>
        <source>The customer&apos;s wearers; today&apos;s changes in colour: green added, red quit or replaced, grey inactive. Tap a wearer to show or hide his products.

View  Show the wearers whose name holds the filter.
A  Add a wearer.  M  A new wearer like the selected one.
AP  Add products to the selected wearer.
Quit  The selected wearer leaves.
Cancel  Undo the change of the selected row.
&lt;-  Back to the stop.</source>
        <translation>Los usuarios del cliente; los cambios de hoy en color: verde añadido, rojo dado de baja o sustituido, gris inactivo. Toque un usuario para mostrar u ocultar sus productos.

View  Muestra los usuarios cuyo nombre contiene el filtro.
A  Añade un usuario.  M  Un usuario nuevo como el elegido.
AP  Añade productos al usuario elegido.
Quit  Da de baja al usuario elegido.
Cancel  Deshace el cambio de la fila elegida.
&lt;-  Vuelve a la parada.</translation>
    </message>
    <message>
        <source>The selected product of a wearer.

Ex  Exchange it for another product or size.
M  Change its quantity, changes or price.
QP  The wearer gives it back.
Cancel  Undo the change of the selected row.
&lt;-  Back to the stop.</source>
        <translation>El producto elegido de un usuario.

Ex  Lo cambia por otro producto o talla.
M  Cambia su cantidad, sus cambios o su precio.
QP  El usuario lo devuelve.
Cancel  Deshace el cambio de la fila elegida.
&lt;-  Vuelve a la parada.</translation>
    </message>
    <message>
        <source>A new wearer, page 1: number, names, department, bank and locker.

&lt;-  Back to the wearers; nothing is saved.
-&gt;  Page 2 (the products, for the laundries without page 2).</source>
        <translation>Un usuario nuevo, página 1: número, nombres, departamento, banco y taquilla.

&lt;-  Vuelve a los usuarios; no se guarda nada.
-&gt;  Página 2 (los productos, en las lavanderías sin página 2).</translation>
    </message>
    <message>
        <source>A new wearer, page 2: administrative number, function and a remark.

&lt;-  Back to page 1.
-&gt;  The wearer&apos;s products (their sizes for a make-a-like).</source>
        <translation>Un usuario nuevo, página 2: número administrativo, cargo y una observación.

&lt;-  Vuelve a la página 1.
-&gt;  Los productos del usuario (sus tallas si copia otro usuario).</translation>
    </message>
    <message>
        <source>A product for the wearer: product, size, quantity, changes, emblem template, finishing method and price.

&lt;-  Back.
-&gt;  Add it; then another one, or the work order.</source>
        <translation>Un producto para el usuario: producto, talla, cantidad, cambios, plantilla de emblema, método de acabado y precio.

&lt;-  Vuelve.
-&gt;  Lo añade; después otro, o la orden de trabajo.</translation>
    </message>
    <message>
        <source>Why the garments are ordered: choose the reason, give a reference and a remark.

&lt;-  Back to the change.
-&gt;  Save the change (once a reason is chosen).</source>
        <translation>Por qué se piden las prendas: elija el motivo, dé una referencia y una observación.

&lt;-  Vuelve al cambio.
-&gt;  Guarda el cambio (una vez elegido un motivo).</translation>
    </message>
    <message>
        <source>The products of the model wearer: choose a size for each.

&lt;-  Back to page 2.
-&gt;  Once every product has a size: another product, or the work order.</source>
        <translation>Los productos del usuario modelo: elija una talla para cada uno.

&lt;-  Vuelve a la página 2.
-&gt;  Cuando cada producto tiene talla: otro producto, o la orden de trabajo.</translation>
    </message>
    <message>
        <source>The product or size that replaces the selected one, with its emblem template, finishing method and price.

&lt;-  Back to the wearers; nothing is saved.
-&gt;  The work order.</source>
        <translation>El producto o la talla que sustituye al elegido, con su plantilla de emblema, método de acabado y precio.

&lt;-  Vuelve a los usuarios; no se guarda nada.
-&gt;  La orden de trabajo.</translation>
    </message>
    <message>
        <source>The future quantity, changes and price of the selected product.

&lt;-  Back to the wearers; nothing is saved.
-&gt;  A higher quantity goes on to the work order; a lower one is saved at once.</source>
        <translation>La cantidad, los cambios y el precio futuros del producto elegido.

&lt;-  Vuelve a los usuarios; no se guarda nada.
-&gt;  Una cantidad mayor pasa a la orden de trabajo; una menor se guarda enseguida.</translation>
    </message>
    <message>
        <source>The settlement of invoice %.0f was cut short and cannot be completed: %s</source>
        <translation>El cobro de la factura %.0f quedó interrumpido y no se puede completar: %s</translation>
    </message>
    <message>
        <source>its route file cannot be read.</source>
        <translation>no se puede leer el archivo de su ruta.</translation>
    </message>
    <message>
        <source>its stop is not on the route.</source>
        <translation>su parada no está en la ruta.</translation>
    </message>
    <message>
        <source>its invoice file cannot be read.</source>
        <translation>no se puede leer el archivo de la factura.</translation>
    </message>
    <message>
        <source>the signature was not saved. Please settle the invoice again.</source>
        <translation>la firma no se guardó. Cobre la factura de nuevo.</translation>
    </message>
    <message>
        <source>The settlement could not be recorded, so nothing was settled: </source>
        <translation>No se pudo registrar el cobro, así que no se cobró nada: </translation>
    </message>
    <message>
        <source>The signature could not be saved: </source>
        <translation>No se pudo guardar la firma: </translation>
    </message>
    <message>
        <source>The record of a settlement that was cut short cannot be read and is removed: </source>
        <translation>El registro de un cobro interrumpido no se puede leer y se elimina: </translation>
    </message>
    <message>
        <source>Cannot read %s.</source>
        <translation>No se puede leer %s.</translation>
    </message>
    <message>
        <source>The customer number %.0f cannot name a file.</source>
        <translation>El número de cliente %.0f no puede nombrar un archivo.</translation>
    </message>
    <message>
        <source>%s could not be read, so nothing is saved to it.</source>
        <translation>No se pudo leer %s, así que no se guarda nada en él.</translation>
    </message>
    <message>
        <source>%s could not be written.</source>
        <translation>No se pudo escribir %s.</translation>
    </message>
    <message>
        <source>The change was made for another customer and is not saved.</source>
        <translation>El cambio se hizo para otro cliente y no se guarda.</translation>
    </message>
    <message>
        <source>Are you sure you want to quit </source>
        <translation>¿Seguro que quiere dar de baja </translation>
    </message>
    <message>
        <source> ?</source>
        <translation>?</translation>
    </message>
    <message>
        <source> for </source>
        <translation> de </translation>
    </message>
    <message>
        <source>product from </source>
        <translation>producto de </translation>
    </message>
    <message>
        <source>Are you sure you want to cancel this </source>
        <translation>¿Seguro que quiere anular esta transacción de </translation>
    </message>
    <message>
        <source> transaction?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>page %d of %d</source>
        <translation>página %d de %d</translation>
    </message>
    <message>
        <source>Cannot read %s. The file is kept as it is, and nothing is saved to it until it can be read.</source>
        <translation>No se puede leer %s. El archivo se conserva tal cual y no se guarda nada en él hasta que se pueda leer.</translation>
    </message>
    <message>
        <source>The call %s in %s cannot name a file and is left out.</source>
        <translation>La llamada %s de %s no puede nombrar un archivo y se omite.</translation>
    </message>
    <message>
        <source>Error Opening call XML: %s</source>
        <translation>Error al abrir el XML de la llamada: %s</translation>
    </message>
    <message>
        <source>The route file is damaged and is left out: </source>
        <translation>El archivo de la ruta está dañado y se omite: </translation>
    </message>
    <message>
        <source>The route date %s in %s cannot name a file; the route is left out.</source>
        <translation>La fecha de ruta %s de %s no puede nombrar un archivo; la ruta se omite.</translation>
    </message>
    <message>
        <source>Error Opening Safety XML: </source>
        <translation>Error al abrir el XML de seguridad: </translation>
    </message>
    <message>
        <source>Action not allowed, no transaction exists on selected line!</source>
        <translation>¡Acción no permitida, no existe ninguna transacción en la línea seleccionada!</translation>
    </message>
</context>
<context>
    <name>kelvo::AboutDialog</name>
    <message>
        <source>About Kelvo</source>
        <translation>Acerca de Kelvo</translation>
    </message>
    <message>
        <source>Kelvo</source>
        <translation>Kelvo</translation>
    </message>
</context>
<context>
    <name>kelvo::CAddNewServiceView</name>
    <message>
        <source>Add New Service</source>
        <translation>Añadir servicio</translation>
    </message>
    <message>
        <source>Prod Grp</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kelvo::CAddNextWearerView</name>
    <message>
        <source>Admin #</source>
        <translation>N.º admin.</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>Make A-Like                      Page 2</source>
        <translation>Copiar usuario                   Página 2</translation>
    </message>
    <message>
        <source>Add Wearer                       Page 2</source>
        <translation>Añadir usuario                   Página 2</translation>
    </message>
    <message>
        <source>Invalid function entered!</source>
        <translation>¡El cargo no es válido!</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Datos no válidos</translation>
    </message>
</context>
<context>
    <name>kelvo::CAddProductView</name>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Add Product</source>
        <translation>Añadir producto</translation>
    </message>
</context>
<context>
    <name>kelvo::CAddWearerView</name>
    <message>
        <source>Wearer #</source>
        <translation>Usuario n.º</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Emblem Name</source>
        <translation>Nombre del emblema</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>Bank/Locker</source>
        <translation>Banco/Taquilla</translation>
    </message>
    <message>
        <source>Make A-Like                      Page 1</source>
        <translation>Copiar usuario                   Página 1</translation>
    </message>
    <message>
        <source>Add Wearer                       Page 1</source>
        <translation>Añadir usuario                   Página 1</translation>
    </message>
    <message>
        <source>Invalid bank entered!</source>
        <translation>¡El banco no es válido!</translation>
    </message>
    <message>
        <source>Invalid locker entered!</source>
        <translation>¡La taquilla no es válida!</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Datos no válidos</translation>
    </message>
</context>
<context>
    <name>kelvo::CAgingInfView</name>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Over 30 Days</source>
        <translation>Más de 30 días</translation>
    </message>
    <message>
        <source>Over 60 Days</source>
        <translation>Más de 60 días</translation>
    </message>
    <message>
        <source>Over 90 Days</source>
        <translation>Más de 90 días</translation>
    </message>
    <message>
        <source>Open Credit</source>
        <translation>Crédito abierto</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Last Payment</source>
        <translation>Último pago</translation>
    </message>
    <message>
        <source>at</source>
        <translation>el</translation>
    </message>
</context>
<context>
    <name>kelvo::CChangeQtyView</name>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Future</source>
        <translation>Futuro</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Change Quantity</source>
        <translation>Cambiar cantidad</translation>
    </message>
    <message>
        <source>Please enter a different quantity!</source>
        <translation>¡Introduzca una cantidad distinta!</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Datos no válidos</translation>
    </message>
</context>
<context>
    <name>kelvo::CContactPersonView</name>
    <message>
        <source>ContactPerson</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Cargo</translation>
    </message>
</context>
<context>
    <name>kelvo::CContactView</name>
    <message>
        <source>Call#</source>
        <translation>Llamada</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>ContactPerson</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Voice Message</source>
        <translation>Mensaje de voz</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Follow-up</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>kelvo::CDayRecapView</name>
    <message>
        <source>Day Recap</source>
        <translation>Resumen del día</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Write the recap as a PDF</source>
        <translation>Escribir el resumen como PDF</translation>
    </message>
</context>
<context>
    <name>kelvo::CExchangeProdView</name>
    <message>
        <source>Exchange Product</source>
        <translation>Cambiar producto</translation>
    </message>
</context>
<context>
    <name>kelvo::CInvAdjInvLineView</name>
    <message>
        <source>Adjust</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Delivered</source>
        <translation>&amp;Entregado</translation>
    </message>
    <message>
        <source>&amp;Billed</source>
        <translation>&amp;Facturado</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>&amp;Reason</source>
        <translation>&amp;Motivo</translation>
    </message>
    <message>
        <source>To Pick Up</source>
        <translation>A recoger</translation>
    </message>
    <message>
        <source>&amp;Picked Up</source>
        <translation>&amp;Recogido</translation>
    </message>
    <message>
        <source>Pick Up</source>
        <translation>Recogida</translation>
    </message>
</context>
<context>
    <name>kelvo::CInvDUDDetailView</name>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Curr.</source>
        <translation>Act.</translation>
    </message>
    <message>
        <source>Future</source>
        <translation>Futuro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Inv# %1 %2</source>
        <translation>Fact. %1 %2</translation>
    </message>
</context>
<context>
    <name>kelvo::CInvDetailsView</name>
    <message>
        <source>Prebilled</source>
        <translation>Prefacturado</translation>
    </message>
    <message>
        <source>Adjusted</source>
        <translation>Ajustado</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>A pagar</translation>
    </message>
    <message>
        <source>Prod#</source>
        <translation>Prod.</translation>
    </message>
    <message>
        <source>Desc</source>
        <translation>Descr.</translation>
    </message>
    <message>
        <source>Del Qty</source>
        <translation>Entr.</translation>
    </message>
    <message>
        <source>Bill Qty</source>
        <translation>Fact.</translation>
    </message>
    <message>
        <source>Amt</source>
        <translation>Imp.</translation>
    </message>
    <message>
        <source>Adj Amt</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Adj Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Settle</source>
        <translation>Cobrar</translation>
    </message>
    <message>
        <source>Inv# %1 %2</source>
        <translation>Fact. %1 %2</translation>
    </message>
</context>
<context>
    <name>kelvo::CInvSelectView</name>
    <message>
        <source>Inv#</source>
        <translation>Factura</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>PayAmt</source>
        <translation>A pagar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Pay Total</source>
        <translation>Total a pagar</translation>
    </message>
    <message>
        <source>Total Cash</source>
        <translation>Total cobrado</translation>
    </message>
    <message>
        <source>Open the invoice</source>
        <translation>Abrir la factura</translation>
    </message>
</context>
<context>
    <name>kelvo::CInventoryChangeView</name>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Future</source>
        <translation>Futuro</translation>
    </message>
    <message>
        <source>&amp;Inventory</source>
        <translation>&amp;Inventario</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Change Inventory</source>
        <translation>Cambiar inventario</translation>
    </message>
</context>
<context>
    <name>kelvo::CKelvoView</name>
    <message>
        <source>Start Screen</source>
        <translation>Pantalla de inicio</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
</context>
<context>
    <name>kelvo::CMainFrame</name>
    <message>
        <source>A&amp;pp</source>
        <translation>&amp;Aplicación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Screen help</source>
        <translation>&amp;Ayuda de la pantalla</translation>
    </message>
    <message>
        <source>&amp;About Kelvo...</source>
        <translation>A&amp;cerca de Kelvo...</translation>
    </message>
    <message>
        <source>Do you want to exit Kelvo?</source>
        <translation>¿Quiere salir de Kelvo?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>kelvo::CNewServicesView</name>
    <message>
        <source>Prod#</source>
        <translation>Prod.</translation>
    </message>
    <message>
        <source>Desc</source>
        <translation>Descr.</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Add a service</source>
        <translation>Añadir un servicio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete the selected service</source>
        <translation>Borrar el servicio seleccionado</translation>
    </message>
</context>
<context>
    <name>kelvo::CRouteSelectView</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Crédito</translation>
    </message>
    <message>
        <source>C.O.D</source>
        <translation>Contado</translation>
    </message>
    <message>
        <source>Prebilled</source>
        <translation>Prefacturado</translation>
    </message>
    <message>
        <source>Adjustments</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Undelivered</source>
        <translation>No entregada</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>C.O.D Delayed</source>
        <translation>Contado aplazado</translation>
    </message>
    <message>
        <source>Collections</source>
        <translation>Cobros</translation>
    </message>
    <message>
        <source>&amp;Voucher Amount</source>
        <translation>Importe del &amp;vale</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Truck safety check</source>
        <translation>Revisión de seguridad del camión</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Routeman %d %s</source>
        <translation>Repartidor %d %s</translation>
    </message>
</context>
<context>
    <name>kelvo::CRouteSummary</name>
    <message>
        <source>Settled</source>
        <translation>Liquidada</translation>
    </message>
</context>
<context>
    <name>kelvo::CRoutemanView</name>
    <message>
        <source>Route Man &amp; Truck Info</source>
        <translation>Repartidor y camión</translation>
    </message>
    <message>
        <source>Route Man:</source>
        <translation>Repartidor:</translation>
    </message>
    <message>
        <source>Truck:</source>
        <translation>Camión:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Routes Loaded.</source>
        <translation>rutas cargadas.</translation>
    </message>
    <message>
        <source>Routes Settled.</source>
        <translation>rutas liquidadas.</translation>
    </message>
</context>
<context>
    <name>kelvo::CSafetyView</name>
    <message>
        <source>Truck: %1 </source>
        <translation>Camión: %1 </translation>
    </message>
    <message>
        <source>  Ok  Need Maintenance</source>
        <translation>  Bien  Necesita mantenimiento</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>kelvo::CScanView</name>
    <message>
        <source>Flag</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>ID-Code</source>
        <translation>Código ID</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
</context>
<context>
    <name>kelvo::CSelectSizeView</name>
    <message>
        <source>Product             Size                    Qty</source>
        <translation>Producto            Talla                   Cant.</translation>
    </message>
    <message>
        <source>Make-A-Like</source>
        <translation>Copiar usuario</translation>
    </message>
</context>
<context>
    <name>kelvo::CSettingView</name>
    <message>
        <source>Memory Location</source>
        <translation>Ubicación de memoria</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>&amp;Carpeta de datos:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kelvo::CStop</name>
    <message>
        <source>Settled</source>
        <translation>Liquidada</translation>
    </message>
    <message>
        <source>Undelivered</source>
        <translation>No entregada</translation>
    </message>
</context>
<context>
    <name>kelvo::CStopActionView</name>
    <message>
        <source>Pending Contacts:</source>
        <translation>Contactos pendientes:</translation>
    </message>
    <message>
        <source>Contacts and calls</source>
        <translation>Contactos y llamadas</translation>
    </message>
    <message>
        <source>Contact persons</source>
        <translation>Personas de contacto</translation>
    </message>
    <message>
        <source>Settle the invoices</source>
        <translation>Cobrar las facturas</translation>
    </message>
    <message>
        <source>Account and instructions</source>
        <translation>Cuenta e instrucciones</translation>
    </message>
    <message>
        <source>Aging information</source>
        <translation>Antigüedad de saldos</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Garments</source>
        <translation>Prendas</translation>
    </message>
    <message>
        <source>Created Orders:</source>
        <translation>Pedidos creados:</translation>
    </message>
    <message>
        <source>Flagged Garments:</source>
        <translation>Prendas marcadas:</translation>
    </message>
    <message>
        <source>Wearers</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>Scan garments</source>
        <translation>Escanear prendas</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Departed</source>
        <translation>Salida</translation>
    </message>
</context>
<context>
    <name>kelvo::CStopInstructionView</name>
    <message>
        <source>Customer Satisfaction Survey :</source>
        <translation>Encuesta de satisfacción :</translation>
    </message>
    <message>
        <source>Signature Required :</source>
        <translation>Firma obligatoria :</translation>
    </message>
    <message>
        <source>&amp;Instructions:</source>
        <translation>&amp;Instrucciones:</translation>
    </message>
</context>
<context>
    <name>kelvo::CStopSelectView</name>
    <message>
        <source>Stop</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Phone#:</source>
        <translation>Teléfono:</translation>
    </message>
    <message>
        <source>Mob#:</source>
        <translation>Móvil:</translation>
    </message>
    <message>
        <source>Open the stop</source>
        <translation>Abrir la parada</translation>
    </message>
    <message>
        <source>Undel</source>
        <translation>No ent.</translation>
    </message>
    <message>
        <source>The stop cannot be delivered</source>
        <translation>La parada no se puede entregar</translation>
    </message>
    <message>
        <source>Driving directions</source>
        <translation>Indicaciones para llegar</translation>
    </message>
    <message>
        <source>Undelivered</source>
        <translation>No entregada</translation>
    </message>
    <message>
        <source>Driving Directions</source>
        <translation>Indicaciones para llegar</translation>
    </message>
    <message>
        <source>Route %d, %s, %s</source>
        <translation>Ruta %d, %s, %s</translation>
    </message>
</context>
<context>
    <name>kelvo::CWearerView</name>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kelvo::CWorkOrderView</name>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Reference #</source>
        <translation>Referencia n.º</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>Create Work Order</source>
        <translation>Crear orden de trabajo</translation>
    </message>
</context>
<context>
    <name>kelvo::CallEditor</name>
    <message>
        <source>Do you want to save changes ?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>The notes can hold at most 255 characters (a line break counts as two). Please shorten them.</source>
        <translation>Las notas admiten como máximo 255 caracteres (un salto de línea cuenta como dos). Acórtelas.</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Datos no válidos</translation>
    </message>
    <message>
        <source>%s could not be written.</source>
        <translation>No se pudo escribir %s.</translation>
    </message>
    <message>
        <source>Error data files</source>
        <translation>Error en archivos de datos</translation>
    </message>
    <message>
        <source>Do you want to save ?</source>
        <translation>¿Desea guardar?</translation>
    </message>
    <message>
        <source>Confirm save</source>
        <translation>Confirmar guardado</translation>
    </message>
    <message>
        <source>The call %s cannot name a file.</source>
        <translation>La llamada %s no puede nombrar un archivo.</translation>
    </message>
</context>
<context>
    <name>kelvo::CheckIn</name>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>the arrival marker is missing: the export did not finish, and files may be missing or incomplete</source>
        <translation>falta la marca de llegada: la exportación no terminó, y puede haber archivos que falten o estén incompletos</translation>
    </message>
    <message>
        <source>the route did not come back: its money and its stops are missing</source>
        <translation>la ruta no volvió: faltan su dinero y sus paradas</translation>
    </message>
    <message>
        <source>the truck&apos;s safety check did not come back</source>
        <translation>la revisión de seguridad del camión no volvió</translation>
    </message>
    <message>
        <source>sent, but did not come back</source>
        <translation>enviado, pero no volvió</translation>
    </message>
    <message>
        <source>a route the office did not send: its money is counted, but it belongs to no day that was sent</source>
        <translation>una ruta que la oficina no envió: su dinero se cuenta, pero no pertenece a ningún día enviado</translation>
    </message>
    <message>
        <source>the route came back in %s too: its money is counted once, from there</source>
        <translation>la ruta volvió también en %s: su dinero se cuenta una vez, desde allí</translation>
    </message>
    <message>
        <source>neither sent by the office nor written by the handheld for a route that came back: the folder may hold files of another day</source>
        <translation>ni enviado por la oficina ni escrito por el terminal para una ruta que volvió: la carpeta puede contener archivos de otro día</translation>
    </message>
    <message>
        <source>the customer&apos;s changes made earlier did not come back</source>
        <translation>los cambios anteriores del cliente no volvieron</translation>
    </message>
</context>
<context>
    <name>kelvo::Checker</name>
    <message>
        <source>a text of %zu characters: Kelvo keeps only the first 255</source>
        <translation>un texto de %zu caracteres: Kelvo guarda solo los 255 primeros</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a number: Kelvo reads %s</source>
        <translation>&quot;%s&quot; no es un número: Kelvo lee %s</translation>
    </message>
    <message>
        <source>not well-formed XML: Kelvo cannot read it</source>
        <translation>XML mal formado: Kelvo no puede leerlo</translation>
    </message>
    <message>
        <source>the departure marker is missing: Kelvo takes the folder for a transfer still in progress and imports nothing</source>
        <translation>falta la marca de salida: Kelvo toma la carpeta por una transferencia en curso y no importa nada</translation>
    </message>
    <message>
        <source>the configuration is missing: Kelvo reports no data</source>
        <translation>falta la configuración: Kelvo informa de que no hay datos</translation>
    </message>
    <message>
        <source>version &quot;%s&quot; is refused: Kelvo reads data of version %s</source>
        <translation>la versión &quot;%s&quot; se rechaza: Kelvo lee datos de la versión %s</translation>
    </message>
    <message>
        <source>no route file: Kelvo has no route to offer</source>
        <translation>ningún archivo de ruta: Kelvo no tiene ruta que ofrecer</translation>
    </message>
    <message>
        <source>the date &quot;%s&quot; is not yyyyMMdd: Kelvo leaves the route out</source>
        <translation>la fecha &quot;%s&quot; no es aaaaMMdd: Kelvo deja fuera la ruta</translation>
    </message>
    <message>
        <source>the date &quot;%s&quot; cannot be part of a file name: Kelvo leaves the route out</source>
        <translation>la fecha &quot;%s&quot; no puede formar parte de un nombre de archivo: Kelvo deja fuera la ruta</translation>
    </message>
    <message>
        <source>the file holds route %d of %s, which Kelvo opens as %s: the route is listed but cannot be opened</source>
        <translation>el archivo contiene la ruta %d del %s, que Kelvo abre como %s: la ruta aparece en la lista pero no se puede abrir</translation>
    </message>
    <message>
        <source>%zu stops carry stop number %u (accounts %s)</source>
        <translation>%zu paradas llevan el número de parada %u (cuentas %s)</translation>
    </message>
    <message>
        <source>%u in the route, but it has %zu stops</source>
        <translation>%u en la ruta, pero tiene %zu paradas</translation>
    </message>
    <message>
        <source>the invoice number &quot;%s&quot; cannot be part of a file name: Kelvo refuses it</source>
        <translation>el número de factura &quot;%s&quot; no puede formar parte de un nombre de archivo: Kelvo lo rechaza</translation>
    </message>
    <message>
        <source>invoice %s of stop %u has no file</source>
        <translation>la factura %s de la parada %u no tiene archivo</translation>
    </message>
    <message>
        <source>the stop&apos;s invoices</source>
        <translation>las facturas de la parada</translation>
    </message>
    <message>
        <source>the customer id %.0f cannot be part of a file name</source>
        <translation>el identificador de cliente %.0f no puede formar parte de un nombre de archivo</translation>
    </message>
    <message>
        <source>the invoices of stop %u bill garments of wearers, but the customer has no wearer file: the wearer screen shows none</source>
        <translation>las facturas de la parada %u cobran prendas de usuarios, pero el cliente no tiene archivo de usuarios: la pantalla de usuarios no muestra ninguno</translation>
    </message>
    <message>
        <source>the call id &quot;%s&quot; cannot be part of a file name: Kelvo refuses it</source>
        <translation>el identificador de llamada &quot;%s&quot; no puede formar parte de un nombre de archivo: Kelvo lo rechaza</translation>
    </message>
    <message>
        <source>call %s of stop %u has no file</source>
        <translation>la llamada %s de la parada %u no tiene archivo</translation>
    </message>
    <message>
        <source>its invoices</source>
        <translation>sus facturas</translation>
    </message>
    <message>
        <source>%s in the file, but %s in %s</source>
        <translation>%s en el archivo, pero %s en %s</translation>
    </message>
    <message>
        <source>no file but a link, a device or a folder: Kelvo leaves it in the import folder and shows the driver its name</source>
        <translation>no es un archivo sino un enlace, un dispositivo o una carpeta: Kelvo lo deja en la carpeta de importación y muestra su nombre al repartidor</translation>
    </message>
</context>
<context>
    <name>kelvo::Checker::List</name>
    <message>
        <source>missing: the %s offers no choice</source>
        <translation>falta: la lista de %s no ofrece ninguna opción</translation>
    </message>
</context>
<context>
    <name>kelvo::DayRecap</name>
    <message>
        <source>Route %d of %s could not be read: </source>
        <translation>No se pudo leer la ruta %d del %s: </translation>
    </message>
    <message>
        <source>Day Recap</source>
        <translation>Resumen del día</translation>
    </message>
</context>
<context>
    <name>kelvo::InvoiceSummary</name>
    <message>
        <source>0 Invoice</source>
        <translation>Sin facturas</translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Total </translation>
    </message>
    <message>
        <source>Cod</source>
        <translation>Contado</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Crédito</translation>
    </message>
    <message>
        <source>%d Invoice Settled</source>
        <translation>Facturas liquidadas: %d</translation>
    </message>
    <message>
        <source>%d Invoice In Progress</source>
        <translation>Facturas en curso: %d</translation>
    </message>
    <message>
        <source>%d Invoice Unsettled</source>
        <translation>Facturas pendientes: %d</translation>
    </message>
</context>
<context>
    <name>kelvo::LineAdjuster</name>
    <message>
        <source>Negative delivered quantity not allowed!</source>
        <translation>¡No se permite una cantidad entregada negativa!</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Datos no válidos</translation>
    </message>
</context>
<context>
    <name>kelvo::List</name>
    <message>
        <source>Load Error</source>
        <translation>Error de carga</translation>
    </message>
</context>
<context>
    <name>kelvo::MileageDialog</name>
    <message>
        <source>Start Route</source>
        <translation>Iniciar ruta</translation>
    </message>
    <message>
        <source>End Route</source>
        <translation>Terminar ruta</translation>
    </message>
    <message>
        <source>&amp;Start Mileage:</source>
        <translation>Km &amp;inicial:</translation>
    </message>
    <message>
        <source>&amp;End Mileage:</source>
        <translation>Km &amp;final:</translation>
    </message>
    <message>
        <source>Only one decimal is allowed!</source>
        <translation>¡Solo se permite un decimal!</translation>
    </message>
    <message>
        <source>Error data</source>
        <translation>Error de datos</translation>
    </message>
    <message>
        <source>Route %d %s %s</source>
        <translation>Ruta %d %s %s</translation>
    </message>
</context>
<context>
    <name>kelvo::NoticePopup</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kelvo::OrderDialog</name>
    <message>
        <source>Order Enter</source>
        <translation>Introducir pedido</translation>
    </message>
    <message>
        <source>&amp;Reason</source>
        <translation>&amp;Motivo</translation>
    </message>
    <message>
        <source>&amp;Quantity</source>
        <translation>&amp;Cantidad</translation>
    </message>
    <message>
        <source>Will be delivered extra with next delivery</source>
        <translation>Se entregará además en la próxima entrega</translation>
    </message>
</context>
<context>
    <name>kelvo::PaymentDialog</name>
    <message>
        <source>Enter Collected Cash</source>
        <translation>Importe cobrado</translation>
    </message>
    <message>
        <source>Pay this Amount</source>
        <translation>Importe a pagar</translation>
    </message>
    <message>
        <source>&amp;Amount Collected</source>
        <translation>Importe &amp;cobrado</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Check #</source>
        <translation>Cheque n.º</translation>
    </message>
    <message>
        <source>No signature Required</source>
        <translation>Sin firma obligatoria</translation>
    </message>
</context>
<context>
    <name>kelvo::ProductFields</name>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Talla</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Fin.Method</source>
        <translation>Acabado</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
</context>
<context>
    <name>kelvo::ReceiptDialog</name>
    <message>
        <source>Receipt</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Belt Printer</source>
        <translation>Impresora &amp;portátil</translation>
    </message>
</context>
<context>
    <name>kelvo::RouteCheck</name>
    <message>
        <source>%u in the route, but it has %zu stops</source>
        <translation>%u en la ruta, pero tiene %zu paradas</translation>
    </message>
    <message>
        <source>%u in the route, but %zu of its stops are settled</source>
        <translation>%u en la ruta, pero %zu de sus paradas están cobradas</translation>
    </message>
    <message>
        <source>the route&apos;s collections (charge and COD) are %s, but its stops collected %s</source>
        <translation>los cobros de la ruta (crédito y contado) son %s, pero sus paradas cobraron %s</translation>
    </message>
    <message>
        <source>%s in the file, but %s in %s</source>
        <translation>%s en el archivo, pero %s en %s</translation>
    </message>
    <message>
        <source>its invoices</source>
        <translation>sus facturas</translation>
    </message>
    <message>
        <source>%s in the route, but %s in its settled invoices</source>
        <translation>%s en la ruta, pero %s en sus facturas cobradas</translation>
    </message>
    <message>
        <source>%d in the route, but %zu of its invoices are settled</source>
        <translation>%d en la ruta, pero %zu de sus facturas están cobradas</translation>
    </message>
    <message>
        <source>%s in the route, but %s in its invoices</source>
        <translation>%s en la ruta, pero %s en sus facturas</translation>
    </message>
    <message>
        <source>the invoice number &quot;%s&quot; cannot be part of a file name</source>
        <translation>el número de factura &quot;%s&quot; no puede formar parte de un nombre de archivo</translation>
    </message>
    <message>
        <source>invoice %s of stop %u did not come back</source>
        <translation>la factura %s de la parada %u no volvió</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>invoice %.0f of stop %u came back neither settled nor undeliverable on an ended route: it was not served</source>
        <translation>la factura %.0f de la parada %u volvió sin cobrar ni marcar como no entregable en una ruta terminada: no se sirvió</translation>
    </message>
    <message>
        <source>invoice %.0f of stop %u is settled and signed for, but its signature did not come back</source>
        <translation>la factura %.0f de la parada %u está cobrada y firmada, pero su firma no volvió</translation>
    </message>
    <message>
        <source>the signature of invoice %.0f is not a picture</source>
        <translation>la firma de la factura %.0f no es una imagen</translation>
    </message>
</context>
<context>
    <name>kelvo::SafetyRemarksDialog</name>
    <message>
        <source>Safety Check Remarks</source>
        <translation>Observaciones de seguridad</translation>
    </message>
    <message>
        <source>&amp;Remarks:</source>
        <translation>&amp;Observaciones:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The selected character cannot be saved. Please remove or replace it.</source>
        <translation>El carácter seleccionado no se puede guardar. Quítelo o sustitúyalo.</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Datos no válidos</translation>
    </message>
    <message>
        <source>The remarks can hold at most 255 characters (a line break counts as two). Please shorten them.</source>
        <translation>Las observaciones admiten como máximo 255 caracteres (un salto de línea cuenta como dos). Acórtelas.</translation>
    </message>
</context>
<context>
    <name>kelvo::SelectTruckDialog</name>
    <message>
        <source>Select Truck</source>
        <translation>Elegir camión</translation>
    </message>
    <message>
        <source>&amp;Truck:</source>
        <translation>&amp;Camión:</translation>
    </message>
</context>
<context>
    <name>kelvo::SignatureDialog</name>
    <message>
        <source>Sign Invoice</source>
        <translation>Firmar factura</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Collected</source>
        <translation>Cobrado</translation>
    </message>
    <message>
        <source>DELAYED</source>
        <translation>APLAZADO</translation>
    </message>
    <message>
        <source>Signed &amp;By</source>
        <translation>Firmado &amp;por</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please sign the invoice first</source>
        <translation>Firme primero la factura</translation>
    </message>
    <message>
        <source>Are you sure you want to settle this invoice?</source>
        <translation>¿Seguro que desea cobrar esta factura?</translation>
    </message>
    <message>
        <source>Confirm Ok</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the initials/signature?</source>
        <translation>¿Seguro que desea cancelar las iniciales y la firma?</translation>
    </message>
    <message>
        <source>Confirm Cancellation</source>
        <translation>Confirmar cancelación</translation>
    </message>
</context>
<context>
    <name>kelvo::UndeliverableDialog</name>
    <message>
        <source>Undeliverable</source>
        <translation>No entregable</translation>
    </message>
    <message>
        <source>&amp;Reason for being Undeliverable:</source>
        <translation>&amp;Motivo de no entrega:</translation>
    </message>
</context>
<context>
    <name>kelvo::VoiceRecorder</name>
    <message>
        <source>No microphone was found, so no voice message can be recorded. The call can still be saved.</source>
        <translation>No hay micrófono, así que no se puede grabar un mensaje de voz. La llamada se puede guardar igualmente.</translation>
    </message>
    <message>
        <source>The voice message cannot be written on the device.</source>
        <translation>El mensaje de voz no se puede escribir en el dispositivo.</translation>
    </message>
</context>
<context>
    <name>kelvo::WorkCollector</name>
    <message>
        <source>the call id &quot;%s&quot; cannot be part of a file name</source>
        <translation>el identificador de llamada &quot;%s&quot; no puede formar parte de un nombre de archivo</translation>
    </message>
    <message>
        <source>a voice recording of call %s that was never saved with its call</source>
        <translation>una grabación de voz de la llamada %s que nunca se guardó con su llamada</translation>
    </message>
    <message>
        <source>call %s of stop %u did not come back</source>
        <translation>la llamada %s de la parada %u no volvió</translation>
    </message>
    <message>
        <source>the voice message of call %s does not play</source>
        <translation>el mensaje de voz de la llamada %s no se reproduce</translation>
    </message>
    <message>
        <source>cannot be read: the customer&apos;s wearer changes are missing</source>
        <translation>no se puede leer: faltan los cambios de usuarios del cliente</translation>
    </message>
    <message>
        <source>cannot be read: the customer&apos;s new services are missing</source>
        <translation>no se puede leer: faltan los servicios nuevos del cliente</translation>
    </message>
</context>
<context>
    <name>kelvo::WorkCollector::List</name>
    <message>
        <source>cannot be read: the customer&apos;s garments are missing</source>
        <translation>no se puede leer: faltan las prendas del cliente</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <source>Only numerical characters are allowed!</source>
        <translation>¡Solo se permiten cifras!</translation>
    </message>
    <message>
        <source>Error data</source>
        <translation>Error de datos</translation>
    </message>
    <message>
        <source>Stop# %d Account# %.0f</source>
        <translation>Parada %d Cuenta %.0f</translation>
    </message>
    <message>
        <source>%s: %zu routes, %zu stops, %zu invoices, %zu calls read; %zu errors, %zu warnings.</source>
        <translation>%s: %zu rutas, %zu paradas, %zu facturas y %zu llamadas leídas; %zu errores, %zu avisos.</translation>
    </message>
    <message>
        <source>Kelvo can work this day.</source>
        <translation>Kelvo puede trabajar este día.</translation>
    </message>
    <message>
        <source>Kelvo cannot work this day.</source>
        <translation>Kelvo no puede trabajar este día.</translation>
    </message>
    <message>
        <source>Mileage should be greater than Zero.</source>
        <translation>El kilometraje debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>Please enter a mileage between 0 and 999999999.9.</source>
        <translation>Indique un kilometraje entre 0 y 999999999.9.</translation>
    </message>
    <message>
        <source>Mileage should be greater than Mileage at the start (%.1f) of Route.</source>
        <translation>El kilometraje debe ser mayor que el del inicio de la ruta (%.1f).</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Invalid data</source>
        <translation>Datos no válidos</translation>
    </message>
    <message>
        <source>The belt printer %s is not known on the network (%s). Check the printer&apos;s name in the settings, then print again.</source>
        <translation>La impresora portátil %s no se conoce en la red (%s). Compruebe el nombre de la impresora en la configuración y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The belt printer %s cannot be reached (%s). Check the network connection, then print again.</source>
        <translation>No se puede llegar a la impresora portátil %s (%s). Compruebe la conexión de red y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The belt printer %s refuses the connection. Check that it is switched on and ready, then print again.</source>
        <translation>La impresora portátil %s rechaza la conexión. Compruebe que está encendida y lista y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The belt printer %s does not answer. Check that it is switched on and within reach, then print again.</source>
        <translation>La impresora portátil %s no responde. Compruebe que está encendida y al alcance y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The belt printer %s stopped taking the printout. Check its paper and its cover, then print again.</source>
        <translation>La impresora portátil %s dejó de aceptar la impresión. Compruebe el papel y la tapa y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The belt printer %s went away in the middle of the printout (%s). Print again once it is back.</source>
        <translation>La impresora portátil %s se desconectó en mitad de la impresión (%s). Vuelva a imprimir cuando esté de nuevo disponible.</translation>
    </message>
    <message>
        <source>The belt printer %s is not there. Pair it with the handheld again, then print again.</source>
        <translation>La impresora portátil %s no está. Vuelva a emparejarla con el terminal y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The belt printer %s cannot be used (%s). Check the setting and the device&apos;s permissions.</source>
        <translation>La impresora portátil %s no se puede usar (%s). Compruebe la configuración y los permisos del dispositivo.</translation>
    </message>
    <message>
        <source>Route %d</source>
        <translation>Ruta %d</translation>
    </message>
    <message>
        <source>settled</source>
        <translation>cobrada</translation>
    </message>
    <message>
        <source>settled when it was sent: not the day&apos;s money</source>
        <translation>cobrada al enviarse: no es dinero del día</translation>
    </message>
    <message>
        <source>undeliverable</source>
        <translation>no entregable</translation>
    </message>
    <message>
        <source>open: not served</source>
        <translation>pendiente: no servida</translation>
    </message>
    <message>
        <source>did not come back</source>
        <translation>no volvió</translation>
    </message>
    <message>
        <source>new wearer</source>
        <translation>usuario nuevo</translation>
    </message>
    <message>
        <source>added products</source>
        <translation>productos añadidos</translation>
    </message>
    <message>
        <source>exchange</source>
        <translation>cambio</translation>
    </message>
    <message>
        <source>quantity change</source>
        <translation>cambio de cantidad</translation>
    </message>
    <message>
        <source>quit wearer</source>
        <translation>baja de usuario</translation>
    </message>
    <message>
        <source>quit product</source>
        <translation>baja de producto</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulada</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>plays</source>
        <translation>se reproduce</translation>
    </message>
    <message>
        <source>does not play</source>
        <translation>no se reproduce</translation>
    </message>
    <message>
        <source>product %.0f size %.0f</source>
        <translation>producto %.0f talla %.0f</translation>
    </message>
    <message>
        <source>: quantity %.0f</source>
        <translation>: cantidad %.0f</translation>
    </message>
    <message>
        <source>Wearer#</source>
        <translation>Usuario n.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>add wearer</source>
        <translation>añadir usuario</translation>
    </message>
    <message>
        <source>add product</source>
        <translation>añadir producto</translation>
    </message>
    <message>
        <source>exchange product</source>
        <translation>cambiar producto</translation>
    </message>
    <message>
        <source>adjust quantity</source>
        <translation>ajustar cantidad</translation>
    </message>
</context>
</TS>
