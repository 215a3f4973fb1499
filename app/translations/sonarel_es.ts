<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Command</name>
    <message>
        <source>&amp;New Client...</source>
        <translation>&amp;Nuevo cliente...</translation>
    </message>
    <message>
        <source>Create a new Client</source>
        <translation>Crear un cliente nuevo</translation>
    </message>
    <message>
        <source>&amp;Clients...</source>
        <translation>&amp;Clientes...</translation>
    </message>
    <message>
        <source>Show a Client list</source>
        <translation>Mostrar la lista de clientes</translation>
    </message>
    <message>
        <source>&amp;Personal Information...</source>
        <translation>Datos &amp;personales...</translation>
    </message>
    <message>
        <source>Verify/Edit Personal Information</source>
        <translation>Verificar o editar los datos personales</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;Archivos...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>&amp;Delete Files...</source>
        <translation>&amp;Eliminar archivos...</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Eliminar archivos</translation>
    </message>
    <message>
        <source>&amp;Backup...</source>
        <translation>Copia de &amp;seguridad...</translation>
    </message>
    <message>
        <source>Copy the client register to a backup folder</source>
        <translation>Copiar el registro de clientes en una carpeta de copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Restaurar...</translation>
    </message>
    <message>
        <source>Restore the client register from a backup folder</source>
        <translation>Restaurar el registro de clientes desde una carpeta de copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <source>Open a sound file from outside a client folder</source>
        <translation>Abrir un archivo de sonido situado fuera de las carpetas de cliente</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Close the sound file</source>
        <translation>Cerrar el archivo de sonido</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the chosen screens</source>
        <translation>Imprimir las pantallas elegidas</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>Mostrar las páginas tal como se imprimirán</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Quit Sonarel</source>
        <translation>Salir de Sonarel</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Play the sound file or the marked stretch</source>
        <translation>Reproducir el archivo de sonido o el fragmento marcado</translation>
    </message>
    <message>
        <source>Record a &amp;Voice Analysis File...</source>
        <translation>Grabar un archivo de análisis de &amp;voz...</translation>
    </message>
    <message>
        <source>Record a Voice Analysis File</source>
        <translation>Grabar un archivo de análisis de voz</translation>
    </message>
    <message>
        <source>Record a Vocal &amp;Quality File...</source>
        <translation>Grabar un archivo de &amp;calidad vocal...</translation>
    </message>
    <message>
        <source>Record a Vocal Quality File</source>
        <translation>Grabar un archivo de calidad vocal</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Import an outside sound file into the client folder</source>
        <translation>Importar un archivo de sonido externo a la carpeta del cliente</translation>
    </message>
    <message>
        <source>Vo&amp;lume...</source>
        <translation>Vo&amp;lumen...</translation>
    </message>
    <message>
        <source>Playback and record volume</source>
        <translation>Volumen de reproducción y de grabación</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the marked stretch</source>
        <translation>Cortar el fragmento marcado</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the marked stretch</source>
        <translation>Copiar el fragmento marcado</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste the copied stretch</source>
        <translation>Pegar el fragmento copiado</translation>
    </message>
    <message>
        <source>&amp;Silence</source>
        <translation>&amp;Silenciar</translation>
    </message>
    <message>
        <source>Silence the marked stretch</source>
        <translation>Silenciar el fragmento marcado</translation>
    </message>
    <message>
        <source>&amp;Amplify Volume...</source>
        <translation>&amp;Amplificar volumen...</translation>
    </message>
    <message>
        <source>Amplify the marked stretch</source>
        <translation>Amplificar el fragmento marcado</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>Select all sound file</source>
        <translation>Seleccionar todo el archivo de sonido</translation>
    </message>
    <message>
        <source>&amp;Zoom +</source>
        <translation>&amp;Zoom +</translation>
    </message>
    <message>
        <source>Zoom into the marked stretch, or back out</source>
        <translation>Ampliar el fragmento marcado o volver a la grabación completa</translation>
    </message>
    <message>
        <source>Sa&amp;ve Changes</source>
        <translation>&amp;Guardar cambios</translation>
    </message>
    <message>
        <source>Save the changed sound file</source>
        <translation>Guardar el archivo de sonido modificado</translation>
    </message>
    <message>
        <source>Audio Signal</source>
        <translation>Señal de audio</translation>
    </message>
    <message>
        <source>Show the audio signal</source>
        <translation>Mostrar la señal de audio</translation>
    </message>
    <message>
        <source>Fundamental Frequency (F0)</source>
        <translation>Frecuencia fundamental (F0)</translation>
    </message>
    <message>
        <source>Show the F0 contour</source>
        <translation>Mostrar la curva de F0</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Show the intensity contour</source>
        <translation>Mostrar la curva de intensidad</translation>
    </message>
    <message>
        <source>F0 and Intensity</source>
        <translation>F0 e intensidad</translation>
    </message>
    <message>
        <source>Show F0 and intensity together</source>
        <translation>Mostrar F0 e intensidad a la vez</translation>
    </message>
    <message>
        <source>Histogram (F0)</source>
        <translation>Histograma (F0)</translation>
    </message>
    <message>
        <source>Show the F0 histogram</source>
        <translation>Mostrar el histograma de F0</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Show the statistics of F0 and intensity</source>
        <translation>Mostrar las estadísticas de F0 e intensidad</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>Espectro de potencia</translation>
    </message>
    <message>
        <source>Show the power spectrum</source>
        <translation>Mostrar el espectro de potencia</translation>
    </message>
    <message>
        <source>LPC Spectrum</source>
        <translation>Espectro LPC</translation>
    </message>
    <message>
        <source>Show the LPC spectrum</source>
        <translation>Mostrar el espectro LPC</translation>
    </message>
    <message>
        <source>Power Spectrum and LPC</source>
        <translation>Espectro de potencia y LPC</translation>
    </message>
    <message>
        <source>Show the power and LPC spectra</source>
        <translation>Mostrar los espectros de potencia y LPC</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Show the spectrogram</source>
        <translation>Mostrar el espectrograma</translation>
    </message>
    <message>
        <source>Spectrogram - Amplitude</source>
        <translation>Espectrograma - Amplitud</translation>
    </message>
    <message>
        <source>Show the spectrogram with the amplitude</source>
        <translation>Mostrar el espectrograma con la amplitud</translation>
    </message>
    <message>
        <source>Vowel Space</source>
        <translation>Espacio vocálico</translation>
    </message>
    <message>
        <source>Show the vowel space</source>
        <translation>Mostrar el espacio vocálico</translation>
    </message>
    <message>
        <source>Calculate Intensity</source>
        <translation>Calcular intensidad</translation>
    </message>
    <message>
        <source>Recompute the intensity contour</source>
        <translation>Volver a calcular la curva de intensidad</translation>
    </message>
    <message>
        <source>Export F0 to Text File...</source>
        <translation>Exportar F0 a archivo de texto...</translation>
    </message>
    <message>
        <source>Save the F0 contour as text</source>
        <translation>Guardar la curva de F0 como texto</translation>
    </message>
    <message>
        <source>Export Intensity to Text File...</source>
        <translation>Exportar intensidad a archivo de texto...</translation>
    </message>
    <message>
        <source>Save the intensity contour as text</source>
        <translation>Guardar la curva de intensidad como texto</translation>
    </message>
    <message>
        <source>Export Statistics to Text File...</source>
        <translation>Exportar estadísticas a archivo de texto...</translation>
    </message>
    <message>
        <source>Save the statistics as text</source>
        <translation>Guardar las estadísticas como texto</translation>
    </message>
    <message>
        <source>Vocal Analysis Data (Statistics)</source>
        <translation>Datos del análisis vocal (estadísticas)</translation>
    </message>
    <message>
        <source>Show the vocal analysis data</source>
        <translation>Mostrar los datos del análisis vocal</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram</source>
        <translation>Diagrama de desviación fonatoria</translation>
    </message>
    <message>
        <source>Show the phonatory deviation diagram</source>
        <translation>Mostrar el diagrama de desviación fonatoria</translation>
    </message>
    <message>
        <source>Spectrogram, Intensity and F0</source>
        <translation>Espectrograma, intensidad y F0</translation>
    </message>
    <message>
        <source>Show the spectrogram with intensity and F0</source>
        <translation>Mostrar el espectrograma con la intensidad y la F0</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Show the follow-up diagram</source>
        <translation>Mostrar el diagrama de seguimiento</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Añadir archivo...</translation>
    </message>
    <message>
        <source>Add a recording to the follow-up</source>
        <translation>Añadir una grabación al seguimiento</translation>
    </message>
    <message>
        <source>Remove File...</source>
        <translation>Quitar archivo...</translation>
    </message>
    <message>
        <source>Remove a recording from the follow-up</source>
        <translation>Quitar una grabación del seguimiento</translation>
    </message>
    <message>
        <source>Clean All</source>
        <translation>Vaciar todo</translation>
    </message>
    <message>
        <source>Empty the follow-up</source>
        <translation>Vaciar el seguimiento</translation>
    </message>
    <message>
        <source>Configure Fundamental Frequency...</source>
        <translation>Configurar frecuencia fundamental...</translation>
    </message>
    <message>
        <source>Configure F0</source>
        <translation>Configurar F0</translation>
    </message>
    <message>
        <source>Configure Intensity...</source>
        <translation>Configurar intensidad...</translation>
    </message>
    <message>
        <source>Configure Intensity</source>
        <translation>Configurar intensidad</translation>
    </message>
    <message>
        <source>Wide  (300 Hz)</source>
        <translation>Ancha (300 Hz)</translation>
    </message>
    <message>
        <source>Spectrogram band</source>
        <translation>Banda del espectrograma</translation>
    </message>
    <message>
        <source>Middle (55 Hz)</source>
        <translation>Media (55 Hz)</translation>
    </message>
    <message>
        <source>Narrow(25 Hz)</source>
        <translation>Estrecha (25 Hz)</translation>
    </message>
    <message>
        <source>Black and White</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Spectrogram in grey</source>
        <translation>Espectrograma en escala de grises</translation>
    </message>
    <message>
        <source>Configure Vowel Space...</source>
        <translation>Configurar espacio vocálico...</translation>
    </message>
    <message>
        <source>Configure Vowel Space</source>
        <translation>Configurar espacio vocálico</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>Grabación...</translation>
    </message>
    <message>
        <source>Configure Record Input</source>
        <translation>Configurar la entrada de grabación</translation>
    </message>
    <message>
        <source>Conf USB...</source>
        <translation>Config. USB...</translation>
    </message>
    <message>
        <source>USB adapter settings</source>
        <translation>Ajustes del adaptador USB</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Show Sonarel in English</source>
        <translation>Mostrar Sonarel en inglés</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Show Sonarel in Spanish</source>
        <translation>Mostrar Sonarel en español</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Show Sonarel in Korean</source>
        <translation>Mostrar Sonarel en coreano</translation>
    </message>
    <message>
        <source>Português</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Show Sonarel in Portuguese</source>
        <translation>Mostrar Sonarel en portugués</translation>
    </message>
    <message>
        <source>Play with the audio signal</source>
        <translation>Reproducir con la señal de audio</translation>
    </message>
    <message>
        <source>Play with the spectrogram</source>
        <translation>Reproducir con el espectrograma</translation>
    </message>
    <message>
        <source>Play with the F0 contour</source>
        <translation>Reproducir con la curva de F0</translation>
    </message>
    <message>
        <source>Play with the intensity</source>
        <translation>Reproducir con la intensidad</translation>
    </message>
    <message>
        <source>Play with F0 and intensity</source>
        <translation>Reproducir con F0 e intensidad</translation>
    </message>
    <message>
        <source>Play with the power spectrum</source>
        <translation>Reproducir con el espectro de potencia</translation>
    </message>
    <message>
        <source>Play with the LPC spectrum</source>
        <translation>Reproducir con el espectro LPC</translation>
    </message>
    <message>
        <source>Play with the vowel space</source>
        <translation>Reproducir con el espacio vocálico</translation>
    </message>
    <message>
        <source>Play with the spectrogram and amplitude</source>
        <translation>Reproducir con el espectrograma y la amplitud</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Comparar con archivo...</translation>
    </message>
    <message>
        <source>Compare with another file of the client</source>
        <translation>Comparar con otro archivo del cliente</translation>
    </message>
    <message>
        <source>Open Model...</source>
        <translation>Abrir modelo...</translation>
    </message>
    <message>
        <source>Compare with a model recording</source>
        <translation>Comparar con una grabación modelo</translation>
    </message>
    <message>
        <source>Save as a Model...</source>
        <translation>Guardar como modelo...</translation>
    </message>
    <message>
        <source>Save the open file as a model</source>
        <translation>Guardar el archivo abierto como modelo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the comparison</source>
        <translation>Cerrar la comparación</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>Abrir la ayuda</translation>
    </message>
    <message>
        <source>&amp;About Sonarel...</source>
        <translation>&amp;Acerca de Sonarel...</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Información del programa</translation>
    </message>
    <message>
        <source>&amp;Client</source>
        <translation>&amp;Cliente</translation>
    </message>
    <message>
        <source>A&amp;udio</source>
        <translation>A&amp;udio</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>A&amp;nalysis</source>
        <translation>A&amp;nálisis</translation>
    </message>
    <message>
        <source>&amp;Follow up</source>
        <translation>Se&amp;guimiento</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Con&amp;figuración</translation>
    </message>
    <message>
        <source>&amp;Real-Time</source>
        <translation>&amp;Tiempo real</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Co&amp;mparar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Configure Power Spectrum...</source>
        <translation>Configurar espectro de potencia...</translation>
    </message>
    <message>
        <source>Transform size and window of the power spectrum</source>
        <translation>Tamaño de la transformada y ventana del espectro de potencia</translation>
    </message>
    <message>
        <source>Configure LPC Spectrum...</source>
        <translation>Configurar espectro LPC...</translation>
    </message>
    <message>
        <source>Order and window of the LPC spectrum</source>
        <translation>Orden y ventana del espectro LPC</translation>
    </message>
    <message>
        <source>Dele&amp;te Client...</source>
        <translation>Elimina&amp;r cliente...</translation>
    </message>
    <message>
        <source>Delete the current client</source>
        <translation>Eliminar el cliente actual</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Grabar...</translation>
    </message>
    <message>
        <source>Record the open client file</source>
        <translation>Grabar el archivo abierto del cliente</translation>
    </message>
    <message>
        <source>Play the marked stretch</source>
        <translation>Reproducir el tramo marcado</translation>
    </message>
    <message>
        <source>Export Report as PDF...</source>
        <translation>Exportar informe como PDF...</translation>
    </message>
    <message>
        <source>Write the chosen screens to a PDF file</source>
        <translation>Escribir las pantallas elegidas en un archivo PDF</translation>
    </message>
    <message>
        <source>Edit &amp;Notes...</source>
        <translation>Editar &amp;notas...</translation>
    </message>
    <message>
        <source>Edit the notes of the open file</source>
        <translation>Editar las notas del archivo abierto</translation>
    </message>
    <message>
        <source>Open the Demo Register</source>
        <translation>Abrir el registro de demostración</translation>
    </message>
    <message>
        <source>Open a register of example clients in a new window</source>
        <translation>Abrir un registro de clientes de ejemplo en una ventana nueva</translation>
    </message>
    <message>
        <source>Play the comparison recording</source>
        <translation>Reproducir la grabación de comparación</translation>
    </message>
    <message>
        <source>Zoom the comparison into its marked stretch, or out</source>
        <translation>Ampliar la comparación al tramo marcado, o reducirla</translation>
    </message>
    <message>
        <source>Clinical Measures (CPPS, HNR, AVQI)</source>
        <translation>Medidas clínicas (CPPS, HNR, AVQI)</translation>
    </message>
    <message>
        <source>Show CPPS, HNR, shimmer and AVQI with their normal limits</source>
        <translation>Mostrar CPPS, HNR, shimmer y AVQI con sus límites normales</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>F0 (Hz)</source>
        <translation>F0 (Hz)</translation>
    </message>
    <message>
        <source>Intensity (dB)</source>
        <translation>Intensidad (dB)</translation>
    </message>
    <message>
        <source>Histogram (F0)</source>
        <translation>Histograma (F0)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>(from %.2fs to %.2fs)</source>
        <translation>(de %.2fs a %.2fs)</translation>
    </message>
    <message>
        <source>Mode </source>
        <translation>Moda </translation>
    </message>
    <message>
        <source>Average </source>
        <translation>Media </translation>
    </message>
    <message>
        <source>Min </source>
        <translation>Mín. </translation>
    </message>
    <message>
        <source>Max </source>
        <translation>Máx. </translation>
    </message>
    <message>
        <source>SD </source>
        <translation>DE </translation>
    </message>
    <message>
        <source>Average  Intensity:</source>
        <translation>Intensidad media:</translation>
    </message>
    <message>
        <source>Min. Intensity:</source>
        <translation>Intensidad mín.:</translation>
    </message>
    <message>
        <source>Max. Intensity:</source>
        <translation>Intensidad máx.:</translation>
    </message>
    <message>
        <source>SD Intensity:</source>
        <translation>DE de la intensidad:</translation>
    </message>
    <message>
        <source>Percent Voiced Time: </source>
        <translation>Porcentaje de tiempo sonoro: </translation>
    </message>
    <message>
        <source>Percent Voiceless Time: </source>
        <translation>Porcentaje de tiempo sordo: </translation>
    </message>
    <message>
        <source>Percent Speech Time:</source>
        <translation>Porcentaje de tiempo de habla:</translation>
    </message>
    <message>
        <source>Percent Silence Time:</source>
        <translation>Porcentaje de tiempo de silencio:</translation>
    </message>
    <message>
        <source>Variability </source>
        <translation>Variabilidad </translation>
    </message>
    <message>
        <source>%d semitone</source>
        <translation>%d semitono</translation>
    </message>
    <message>
        <source>Choose a display in the Analysis menu or on the tool bar.</source>
        <translation>Elija una visualización en el menú Análisis o en la barra de herramientas.</translation>
    </message>
    <message>
        <source>F2 (Hz)</source>
        <translation>F2 (Hz)</translation>
    </message>
    <message>
        <source>Vowel Space</source>
        <translation>Espacio vocálico</translation>
    </message>
    <message>
        <source>F1 (Hz)</source>
        <translation>F1 (Hz)</translation>
    </message>
    <message>
        <source>Wide Band</source>
        <translation>Banda ancha</translation>
    </message>
    <message>
        <source>Middle Band</source>
        <translation>Banda media</translation>
    </message>
    <message>
        <source>Narrow Band</source>
        <translation>Banda estrecha</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>Espectro de potencia</translation>
    </message>
    <message>
        <source>LPC Spectrum</source>
        <translation>Espectro LPC</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>LPC</source>
        <translation>LPC</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram</source>
        <translation>Diagrama de desviación fonatoria</translation>
    </message>
    <message>
        <source>Irregularity (Jitter, Shimmer, Correlation)</source>
        <translation>Irregularidad (jitter, shimmer, correlación)</translation>
    </message>
    <message>
        <source>Noise (GNE)</source>
        <translation>Ruido (GNE)</translation>
    </message>
    <message>
        <source>Göttingen Hoarseness Diagram</source>
        <translation>Diagrama de ronquera de Göttingen</translation>
    </message>
    <message>
        <source>File: %1 Date: %2</source>
        <translation>Archivo: %1 Fecha: %2</translation>
    </message>
    <message>
        <source>Noise %.2f Irr. %.2f</source>
        <translation>Ruido %.2f Irr. %.2f</translation>
    </message>
    <message>
        <source>SD:</source>
        <translation>DE:</translation>
    </message>
    <message>
        <source>Jitter  (PPQ): </source>
        <translation>Jitter  (PPQ): </translation>
    </message>
    <message>
        <source>Irregularity:</source>
        <translation>Irregularidad:</translation>
    </message>
    <message>
        <source>Shimmer (EPQ): </source>
        <translation>Shimmer (EPQ): </translation>
    </message>
    <message>
        <source>Correlation:</source>
        <translation>Correlación:</translation>
    </message>
    <message>
        <source>GNE:</source>
        <translation>GNE:</translation>
    </message>
    <message>
        <source>Noise:</source>
        <translation>Ruido:</translation>
    </message>
    <message>
        <source> (Hz)</source>
        <translation> (Hz)</translation>
    </message>
    <message>
        <source>Clinical measures of the sustained vowel</source>
        <translation>Medidas clínicas de la vocal sostenida</translation>
    </message>
    <message>
        <source>AVQI (version 03.01)</source>
        <translation>AVQI (versión 03.01)</translation>
    </message>
    <message>
        <source>Smoothed cepstral peak prominence (CPPS)</source>
        <translation>Prominencia del pico cepstral suavizada (CPPS)</translation>
    </message>
    <message>
        <source>Harmonics-to-noise ratio (HNR)</source>
        <translation>Relación armónicos-ruido (HNR)</translation>
    </message>
    <message>
        <source>Shimmer (local)</source>
        <translation>Shimmer (local)</translation>
    </message>
    <message>
        <source>Long-term spectrum: slope</source>
        <translation>Espectro a largo plazo: pendiente</translation>
    </message>
    <message>
        <source>Long-term spectrum: tilt</source>
        <translation>Espectro a largo plazo: inclinación</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Vowel measured: %1 s</source>
        <translation>Vocal medida: %1 s</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Error Reading File!</source>
        <translation>¡Error al leer el archivo!</translation>
    </message>
    <message>
        <source>Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!</source>
        <translation>¡La frecuencia de muestreo debe ser de 11025 Hz o 22050 Hz, 16 bits, mono!</translation>
    </message>
    <message>
        <source>Sample Rate must be 44100 Hz, 16 bits,Mono!</source>
        <translation>¡La frecuencia de muestreo debe ser de 44100 Hz, 16 bits, mono!</translation>
    </message>
    <message>
        <source>Error Releasing Memory!</source>
        <translation>¡Error al liberar la memoria!</translation>
    </message>
    <message>
        <source>The File %s can´t be recorded!
Verifiy if this file is opened and if the Client Folder exists!</source>
        <translation>¡No se puede guardar el archivo %s!
Compruebe si el archivo está abierto y si existe la carpeta del cliente.</translation>
    </message>
    <message>
        <source>You need to Select an Area!</source>
        <translation>¡Debe seleccionar un fragmento!</translation>
    </message>
    <message>
        <source>The analysis was cancelled; nothing was changed.</source>
        <translation>Se ha cancelado el análisis; no se ha modificado nada.</translation>
    </message>
    <message>
        <source>It was not Possible to Play the Sound File!</source>
        <translation>¡No ha sido posible reproducir el archivo de sonido!</translation>
    </message>
    <message>
        <source>It was not Possible to Open Wave Out Channel!</source>
        <translation>¡No ha sido posible abrir el canal de salida de audio!</translation>
    </message>
    <message>
        <source>Sonarel needs a screen of at least 800 x 600 pixels.
Resolution : 800 x 600 or 1024 x 768 pixels
Colors: High Color (16 bits) or better</source>
        <translation>Sonarel necesita una pantalla de al menos 800 x 600 píxeles.
Resolución: 800 x 600 o 1024 x 768 píxeles
Colores: color de alta densidad (16 bits) o superior</translation>
    </message>
    <message>
        <source>Text File Saved!</source>
        <translation>¡Archivo de texto guardado!</translation>
    </message>
    <message>
        <source>It´s not possible to Save the Intensity Text File!</source>
        <translation>¡No se puede guardar el archivo de texto de intensidad!</translation>
    </message>
    <message>
        <source>accepted as voice analysis</source>
        <translation>aceptado como análisis de voz</translation>
    </message>
    <message>
        <source>accepted as vocal quality</source>
        <translation>aceptado como calidad vocal</translation>
    </message>
    <message>
        <source>Usage error: %s</source>
        <translation>Error de uso: %s</translation>
    </message>
    <message>
        <source>File not found: %s</source>
        <translation>Archivo no encontrado: %s</translation>
    </message>
    <message>
        <source>Minimal Value: 50 Hz</source>
        <translation>Valor mínimo: 50 Hz</translation>
    </message>
    <message>
        <source>Max Value: 1200 Hz</source>
        <translation>Valor máximo: 1200 Hz</translation>
    </message>
    <message>
        <source>Min Value &gt;= Max Value</source>
        <translation>Valor mínimo &gt;= valor máximo</translation>
    </message>
    <message>
        <source>Silence Threshold: From 0 to 70 dB</source>
        <translation>Umbral de silencio: de 0 a 70 dB</translation>
    </message>
    <message>
        <source>Invalid Method!</source>
        <translation>¡Método no válido!</translation>
    </message>
    <message>
        <source>The F0 method %s is not available yet.</source>
        <translation>El método de F0 %s aún no está disponible.</translation>
    </message>
    <message>
        <source>Low Limit: 0 to 60 dB</source>
        <translation>Límite inferior: de 0 a 60 dB</translation>
    </message>
    <message>
        <source>High Limit: 70 to 140 dB</source>
        <translation>Límite superior: de 70 a 140 dB</translation>
    </message>
    <message>
        <source>filter: unknown filter type</source>
        <translation>filtro: tipo de filtro desconocido</translation>
    </message>
    <message>
        <source>filter: order of filter too large</source>
        <translation>filtro: orden del filtro demasiado alto</translation>
    </message>
    <message>
        <source>filter: filter order must be even</source>
        <translation>filtro: el orden del filtro debe ser par</translation>
    </message>
    <message>
        <source>filter: out of memory</source>
        <translation>filtro: memoria insuficiente</translation>
    </message>
    <message>
        <source>filter: frequencies out of range</source>
        <translation>filtro: frecuencias fuera de rango</translation>
    </message>
    <message>
        <source>The File must be 44100 Hz</source>
        <translation>El archivo debe ser de 44100 Hz</translation>
    </message>
    <message>
        <source>There is no area to be analysed!</source>
        <translation>¡No hay ninguna zona para analizar!</translation>
    </message>
    <message>
        <source>There is no point available!</source>
        <translation>¡No hay ningún punto disponible!</translation>
    </message>
    <message>
        <source>It´s not possible to Open conf. File! Is It Read-Only?</source>
        <translation>¡No es posible abrir el archivo de configuración! ¿Es de solo lectura?</translation>
    </message>
    <message>
        <source>Value F1 Should be from 200 to 1096</source>
        <translation>El valor de F1 debe estar entre 200 y 1096</translation>
    </message>
    <message>
        <source>Value F2 Should be from 600 to 3200</source>
        <translation>El valor de F2 debe estar entre 600 y 3200</translation>
    </message>
    <message>
        <source>There is no Available Points
Select a Bigger Area!</source>
        <translation>¡No hay puntos disponibles!
¡Seleccione un área mayor!</translation>
    </message>
    <message>
        <source>Error Calculating LPC!</source>
        <translation>¡Error al calcular el LPC!</translation>
    </message>
    <message>
        <source>The picture %s could not be saved!</source>
        <translation>¡No se pudo guardar la imagen %s!</translation>
    </message>
    <message>
        <source>Error - File not Found</source>
        <translation>Error: archivo no encontrado</translation>
    </message>
    <message>
        <source>Error - Invalid File</source>
        <translation>Error: archivo no válido</translation>
    </message>
    <message>
        <source>There is no Free Memory Available!</source>
        <translation>¡No hay memoria libre disponible!</translation>
    </message>
    <message>
        <source>Error Accessing Database!</source>
        <translation>¡Error al acceder a la base de datos!</translation>
    </message>
    <message>
        <source>Client´s Directory already Exist!</source>
        <translation>¡La carpeta del cliente ya existe!</translation>
    </message>
    <message>
        <source>The client register is in use by another Sonarel; try again in a moment.</source>
        <translation>Otro Sonarel está usando el registro de clientes; inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>The client register could not be written; it was left as it was.</source>
        <translation>No se pudo escribir el registro de clientes; se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>There is no free client code left (the codes go up to 9999).</source>
        <translation>No queda ningún código de cliente libre (los códigos llegan hasta 9999).</translation>
    </message>
    <message>
        <source>You need to fulfill the Client´s Name!</source>
        <translation>¡Debe rellenar el nombre del cliente!</translation>
    </message>
    <message>
        <source>Is the Client Man/Woman/Singer/Child?</source>
        <translation>¿El cliente es hombre, mujer, cantante o niño?</translation>
    </message>
    <message>
        <source>Invalid Year (must have 4 digits)
Ex.: 1974</source>
        <translation>Año no válido (debe tener 4 cifras)
Ej.: 1974</translation>
    </message>
    <message>
        <source>Invalid Day!</source>
        <translation>¡Día no válido!</translation>
    </message>
    <message>
        <source>Invalid Month!</source>
        <translation>¡Mes no válido!</translation>
    </message>
    <message>
        <source>Invalid Year</source>
        <translation>Año no válido</translation>
    </message>
    <message>
        <source>Invalid Year 
Range: 1890 - 2050&quot;</source>
        <translation>Año no válido 
Intervalo: 1890 - 2050&quot;</translation>
    </message>
    <message>
        <source>Undefined Type!</source>
        <translation>¡Tipo no definido!</translation>
    </message>
    <message>
        <source>Number of files exceeds 150!
Insert a new client to continue...</source>
        <translation>¡El número de archivos supera 150!
Registre un cliente nuevo para continuar...</translation>
    </message>
    <message>
        <source>It´s not possible to delete this File!</source>
        <translation>¡No es posible eliminar este archivo!</translation>
    </message>
    <message>
        <source>There is no Information to be erased!</source>
        <translation>¡No hay información que borrar!</translation>
    </message>
    <message>
        <source>This File was send to Backup!
You need to Attach Your Backup Files to access these information!</source>
        <translation>¡Este archivo se envió a la copia de seguridad!
Debe restaurar sus archivos de copia de seguridad para acceder a esta información.</translation>
    </message>
    <message>
        <source>Notes Editor can´t be Inicialized!
Reinstall Sonarel!</source>
        <translation>¡No se puede iniciar el editor de notas!
¡Reinstale Sonarel!</translation>
    </message>
    <message>
        <source>Client Folder can´t be deleted!</source>
        <translation>¡No se puede eliminar la carpeta del cliente!</translation>
    </message>
    <message>
        <source>All information about this file will be erased!
Are you sure you want to continue?</source>
        <translation>¡Se borrará toda la información de este archivo!
¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>All Information about this Client will be deleted!
Are you sure you want to continue?</source>
        <translation>¡Se eliminará toda la información de este cliente!
¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Select a File!</source>
        <translation>¡Seleccione un archivo!</translation>
    </message>
    <message>
        <source>Select a Client!</source>
        <translation>¡Seleccione un cliente!</translation>
    </message>
    <message>
        <source>Error Accessing File!</source>
        <translation>¡Error al acceder al archivo!</translation>
    </message>
    <message>
        <source>Type the Client Name!</source>
        <translation>¡Escriba el nombre del cliente!</translation>
    </message>
    <message>
        <source>Client not Found!</source>
        <translation>¡Cliente no encontrado!</translation>
    </message>
    <message>
        <source>Client Registered!
Do you want to Start a New File?</source>
        <translation>¡Cliente registrado!
¿Desea empezar un archivo nuevo?</translation>
    </message>
    <message>
        <source>To use the Vocal Quality Functions, ask your client to record a sustained vowel for some seconds.</source>
        <translation>Para usar las funciones de calidad vocal, pida a su cliente que grabe una vocal sostenida durante unos segundos.</translation>
    </message>
    <message>
        <source>There is no client with the code %s.</source>
        <translation>No hay ningún cliente con el código %s.</translation>
    </message>
    <message>
        <source>Error Recording
wfe.cbSize = %d
wfe.nAvgBytesPerSec = %d
wfe.nBlockAlign %d
wfe.nChannels %d
wfe.nSamplesPerSec %d
wfe.wBitsPerSample %d
wfe.wFormatTag %d
</source>
        <translation>Error al grabar
wfe.cbSize = %d
wfe.nAvgBytesPerSec = %d
wfe.nBlockAlign %d
wfe.nChannels %d
wfe.nSamplesPerSec %d
wfe.wBitsPerSample %d
wfe.wFormatTag %d
</translation>
    </message>
    <message>
        <source>Error Preparing Record Header!</source>
        <translation>¡Error al preparar el encabezado de grabación!</translation>
    </message>
    <message>
        <source>Error Preparing Header!</source>
        <translation>¡Error al preparar el encabezado!</translation>
    </message>
    <message>
        <source>Undefined Error!</source>
        <translation>¡Error no definido!</translation>
    </message>
    <message>
        <source>It was not Possible to Start Recording</source>
        <translation>No fue posible iniciar la grabación</translation>
    </message>
    <message>
        <source>Error Writing to File,
Verify if there is free space in your HD!</source>
        <translation>Error al escribir en el archivo,
¡compruebe si hay espacio libre en el disco!</translation>
    </message>
    <message>
        <source>Error Stopping Record - Closing Channel!</source>
        <translation>¡Error al detener la grabación - cerrando el canal!</translation>
    </message>
    <message>
        <source>This Record will replace the existent Sound File!
Are You Sure You Want to Continue?</source>
        <translation>¡Esta grabación reemplazará el archivo de sonido existente!
¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>No sound input was found, so nothing can be recorded.
Connect a microphone or a sound card and choose Record again.</source>
        <translation>No se encontró ninguna entrada de sonido, así que no se puede grabar nada.
Conecte un micrófono o una tarjeta de sonido y elija Grabar de nuevo.</translation>
    </message>
    <message>
        <source>The sound input cannot be opened for 16-bit mono sound at this rate.</source>
        <translation>La entrada de sonido no se puede abrir para sonido mono de 16 bits a esta frecuencia.</translation>
    </message>
    <message>
        <source>The sound input stopped delivering sound.</source>
        <translation>La entrada de sonido dejó de entregar sonido.</translation>
    </message>
    <message>
        <source>The sound input failed.</source>
        <translation>La entrada de sonido falló.</translation>
    </message>
    <message>
        <source>The recording stopped early; the sound recorded until then is kept.</source>
        <translation>La grabación se detuvo antes de tiempo; se conserva el sonido grabado hasta entonces.</translation>
    </message>
    <message>
        <source>A recording of %s s was not finished.
Do you want to save it into the file %s?</source>
        <translation>Una grabación de %s s no se terminó.
¿Desea guardarla en el archivo %s?</translation>
    </message>
    <message>
        <source>The unfinished recording was saved into %s.</source>
        <translation>La grabación sin terminar se guardó en %s.</translation>
    </message>
    <message>
        <source>The data folder %s cannot be created.</source>
        <translation>No se puede crear la carpeta de datos %s.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %s.</source>
        <translation>No se pudieron guardar las notas en %s.</translation>
    </message>
    <message>
        <source>Save the changes to the notes?</source>
        <translation>¿Guardar los cambios de las notas?</translation>
    </message>
    <message>
        <source>Sonarel %s
Acoustic assessment of the voice.</source>
        <translation>Sonarel %s
Evaluación acústica de la voz.</translation>
    </message>
    <message>
        <source>sonarel needs a display; without one, use sonarel-cli, or render pictures with --screenshots under QT_QPA_PLATFORM=offscreen.</source>
        <translation>sonarel necesita una pantalla; sin ella, use sonarel-cli, o genere las imágenes con --screenshots bajo QT_QPA_PLATFORM=offscreen.</translation>
    </message>
    <message>
        <source>The whole sound file can&apos;t be cut: at least one sample must remain.</source>
        <translation>No se puede cortar todo el archivo de sonido: debe quedar al menos una muestra.</translation>
    </message>
    <message>
        <source>The Actual sound file was change. What do you want to do?</source>
        <translation>El archivo de sonido actual fue modificado. ¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 500.</source>
        <translation>Introduzca un número entero entre 0 y 500.</translation>
    </message>
    <message>
        <source>The stretch from %s s to %s s lies outside the sound file.</source>
        <translation>El tramo de %s s a %s s está fuera del archivo de sonido.</translation>
    </message>
    <message>
        <source>%s is read-only; it was not replaced.</source>
        <translation>%s es de solo lectura; no se ha reemplazado.</translation>
    </message>
    <message>
        <source>%s is not a regular file; nothing was written to it.</source>
        <translation>%s no es un archivo normal; no se ha escrito nada en él.</translation>
    </message>
    <message>
        <source>The client register %s is damaged and cannot be read.</source>
        <translation>El registro de clientes %s está dañado y no se puede leer.</translation>
    </message>
    <message>
        <source>%s lasts longer than %s minutes, the longest recording that can be opened.</source>
        <translation>%s dura más de %s minutos, la grabación más larga que se puede abrir.</translation>
    </message>
    <message>
        <source>Limit is 6 Sound Files!
Remove a File before to insert a new...</source>
        <translation>¡El límite es de 6 archivos de sonido!
Quite un archivo antes de insertar uno nuevo...</translation>
    </message>
    <message>
        <source>The Selected File already is on the Diagram!</source>
        <translation>¡El archivo seleccionado ya está en el diagrama!</translation>
    </message>
    <message>
        <source>The Selected File is not a Vocal Quality File!</source>
        <translation>¡El archivo seleccionado no es un archivo de calidad vocal!</translation>
    </message>
    <message>
        <source>maxpitch must be &gt; minpitch</source>
        <translation>maxpitch debe ser &gt; minpitch</translation>
    </message>
    <message>
        <source>No simple factors for ratio</source>
        <translation>No hay factores simples para la razón</translation>
    </message>
    <message>
        <source>Filter design too difficult!</source>
        <translation>¡El diseño del filtro es demasiado difícil!</translation>
    </message>
    <message>
        <source>Filter will suffer from limit cycles...</source>
        <translation>El filtro sufrirá ciclos límite...</translation>
    </message>
    <message>
        <source>cannot allocate space for interpolated data</source>
        <translation>no se puede reservar espacio para los datos interpolados</translation>
    </message>
    <message>
        <source>Error Allocating Memory!</source>
        <translation>¡Error al reservar memoria!</translation>
    </message>
    <message>
        <source>Error Allocating Buffer!</source>
        <translation>¡Error al reservar el búfer!</translation>
    </message>
    <message>
        <source>Error Importing File!</source>
        <translation>¡Error al importar el archivo!</translation>
    </message>
    <message>
        <source>File can´t be opened!</source>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>The File to be Imported should be 16 Bits!
The Process will be Canceled!</source>
        <translation>¡El archivo a importar debe ser de 16 bits!
El proceso se cancelará.</translation>
    </message>
    <message>
        <source>This Operation will Replace the Actual Sound File!
Do You Want to Continue?</source>
        <translation>¡Esta operación reemplazará el archivo de sonido actual!
¿Desea continuar?</translation>
    </message>
    <message>
        <source>File Imported Successfully!</source>
        <translation>¡Archivo importado con éxito!</translation>
    </message>
    <message>
        <source>%s samples of %s lay beyond the 16-bit range and were clipped.</source>
        <translation>%s muestras de %s quedaban fuera del rango de 16 bits y se recortaron.</translation>
    </message>
    <message>
        <source>The import was cancelled; the client&apos;s folder was left as it was.</source>
        <translation>Se canceló la importación; la carpeta del cliente quedó como estaba.</translation>
    </message>
    <message>
        <source>There is a Previous Backup In the Selected Directory.
Do you want to replace it?</source>
        <translation>Hay una copia de seguridad anterior en la carpeta elegida.
¿Desea reemplazarla?</translation>
    </message>
    <message>
        <source>It´s not possible to copy pacw.dbf File!
Backup Can´t be done!</source>
        <translation>¡No se puede copiar el archivo pacw.dbf!
¡No se puede hacer la copia de seguridad!</translation>
    </message>
    <message>
        <source>pacw.dbf File is not in this Directory!</source>
        <translation>¡El archivo pacw.dbf no está en esta carpeta!</translation>
    </message>
    <message>
        <source>Temporary File can´t be Created!</source>
        <translation>¡No se puede crear el archivo temporal!</translation>
    </message>
    <message>
        <source>It was not Possible Create Temporary File!</source>
        <translation>¡No fue posible crear el archivo temporal!</translation>
    </message>
    <message>
        <source>Error Coping %s File! Verify If There Is Free Space!
Do You Want To Continue?</source>
        <translation>¡Error al copiar el archivo %s! ¡Compruebe si hay espacio libre!
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Backup Directory can´t be Removed!</source>
        <translation>¡No se puede eliminar la carpeta de la copia de seguridad!</translation>
    </message>
    <message>
        <source>Dates File can´t be Created!</source>
        <translation>¡No se puede crear el archivo de fechas!</translation>
    </message>
    <message>
        <source>It was not possible to get the creation date of %s file. Do you want to continue?</source>
        <translation>No fue posible obtener la fecha de creación del archivo %s. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Backup Done Successfully!
The Backup Files are in the %s Directory</source>
        <translation>¡Copia de seguridad hecha con éxito!
Los archivos de la copia están en la carpeta %s</translation>
    </message>
    <message>
        <source>Backup Failed!</source>
        <translation>¡La copia de seguridad falló!</translation>
    </message>
    <message>
        <source>Warning: The Directory can´t be the same which Sonarel is Installed! Select or Create a New Directory!</source>
        <translation>Atención: ¡la carpeta no puede ser la de los datos de Sonarel! ¡Elija o cree otra carpeta!</translation>
    </message>
    <message>
        <source>Select the Backup Directory!</source>
        <translation>¡Elija la carpeta de la copia de seguridad!</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <translation>¡Proceso terminado!</translation>
    </message>
    <message>
        <source>Process can´t be Finished!</source>
        <translation>¡No se pudo terminar el proceso!</translation>
    </message>
    <message>
        <source>%s Files can´t be found!
Do you Want to Continue?</source>
        <translation>¡No se encuentran los archivos de %s!
¿Desea continuar?</translation>
    </message>
    <message>
        <source>&quot;%s File can´t be decompressed! Verify If There is Free Space Available!
Do You Want to Continue?</source>
        <translation>"¡No se puede descomprimir el archivo %s! ¡Compruebe si hay espacio libre!
¿Desea continuar?</translation>
    </message>
    <message>
        <source>It´s not possible to get the original date of %s file</source>
        <translation>No es posible recuperar la fecha original del archivo %s</translation>
    </message>
    <message>
        <source>Dates File can´t be Found!
The Restored Files will have the Actual Date!</source>
        <translation>¡No se encuentra el archivo de fechas!
¡Los archivos restaurados tendrán la fecha actual!</translation>
    </message>
    <message>
        <source>It´s not Possible to Restore the sound files dates!
Do you want to Continue?</source>
        <translation>¡No es posible restaurar las fechas de los archivos de sonido!
¿Desea continuar?</translation>
    </message>
    <message>
        <source>It´s necessary to select at least a Client!</source>
        <translation>¡Es necesario elegir al menos un cliente!</translation>
    </message>
    <message>
        <source>The copy %s does not match its original, or the original changed; no client files were removed.</source>
        <translation>La copia %s no coincide con su original, o el original cambió; no se eliminó ningún archivo de cliente.</translation>
    </message>
    <message>
        <source>A restore into %s was broken off. Its rollback must be finished first: start Sonarel, or run sonarel-cli recover.</source>
        <translation>Una restauración en %s quedó interrumpida. Primero hay que terminar de deshacerla: inicie Sonarel o ejecute sonarel-cli recover.</translation>
    </message>
    <message>
        <source>Some files could not be put back; they are kept in %s.</source>
        <translation>Algunos archivos no se pudieron devolver a su sitio; se guardan en %s.</translation>
    </message>
    <message>
        <source>A restore into %s was broken off before it ended.
Put the data back as they were before it?</source>
        <translation>Una restauración en %s se interrumpió antes de terminar.
¿Dejar los datos como estaban antes de ella?</translation>
    </message>
    <message>
        <source>The data are back as they were before the restore.</source>
        <translation>Los datos están como estaban antes de la restauración.</translation>
    </message>
    <message>
        <source>You must select at least one screen!</source>
        <translation>¡Debe seleccionar al menos una pantalla!</translation>
    </message>
    <message>
        <source>The report could not be written to %s.</source>
        <translation>No se pudo escribir el informe en %s.</translation>
    </message>
    <message>
        <source>There is no page called %s for this kind of file.</source>
        <translation>No hay ninguna página llamada %s para este tipo de archivo.</translation>
    </message>
    <message>
        <source>%s could not be started: %s</source>
        <translation>No se pudo iniciar %s: %s</translation>
    </message>
    <message>
        <source>%s does not exist.</source>
        <translation>%s no existe.</translation>
    </message>
    <message>
        <source>%s is a folder, not a sound file.</source>
        <translation>%s es una carpeta, no un archivo de sonido.</translation>
    </message>
    <message>
        <source>%s is not a regular file (a pipe or a device).</source>
        <translation>%s no es un archivo normal (es una tubería o un dispositivo).</translation>
    </message>
    <message>
        <source>%s cannot be opened for reading (permission denied).</source>
        <translation>%s no se puede abrir para lectura (permiso denegado).</translation>
    </message>
    <message>
        <source>%s is empty (0 bytes).</source>
        <translation>%s está vacío (0 bytes).</translation>
    </message>
    <message>
        <source>%s is not a WAVE file.</source>
        <translation>%s no es un archivo WAVE.</translation>
    </message>
    <message>
        <source>%s is truncated: the file ends before its sound data do.</source>
        <translation>%s está truncado: el archivo termina antes que sus datos de sonido.</translation>
    </message>
    <message>
        <source>%s is a WAVE file with no samples.</source>
        <translation>%s es un archivo WAVE sin muestras.</translation>
    </message>
    <message>
        <source>%s is too large to be read into memory.</source>
        <translation>%s es demasiado grande para leerlo en memoria.</translation>
    </message>
    <message>
        <source>%s is a %s file: only Import reads it, and makes a 16-bit mono copy.</source>
        <translation>%s es un archivo %s: solo Importar lo lee, y hace una copia mono de 16 bits.</translation>
    </message>
    <message>
        <source>%s has %s channels; recordings are analysed in mono. Import makes a mono copy.</source>
        <translation>%s tiene %s canales; las grabaciones se analizan en mono. Importar hace una copia mono.</translation>
    </message>
    <message>
        <source>%s is sampled at %s Hz; a voice-analysis file takes up to 22050 Hz. Import converts the rate.</source>
        <translation>%s está muestreado a %s Hz; un archivo de análisis de voz admite hasta 22050 Hz. Importar convierte la frecuencia.</translation>
    </message>
    <message>
        <source>%s is sampled at %s Hz; a vocal-quality file takes 44100 Hz. Import converts the rate.</source>
        <translation>%s está muestreado a %s Hz; un archivo de calidad vocal requiere 44100 Hz. Importar convierte la frecuencia.</translation>
    </message>
    <message>
        <source>Client: %s (code %s)</source>
        <translation>Cliente: %s (código %s)</translation>
    </message>
    <message>
        <source>File %s, voice analysis, recorded %s</source>
        <translation>Archivo %s, análisis de voz, grabado el %s</translation>
    </message>
    <message>
        <source>File %s, vocal quality, recorded %s</source>
        <translation>Archivo %s, calidad vocal, grabado el %s</translation>
    </message>
    <message>
        <source>It´s not possible to Save the F0 Text File!</source>
        <translation>¡No se puede guardar el archivo de texto de F0!</translation>
    </message>
    <message>
        <source>It´s not possible to Save the Statistics Text File!</source>
        <translation>¡No se puede guardar el archivo de texto de estadísticas!</translation>
    </message>
    <message>
        <source>The folder %s does not exist.</source>
        <translation>La carpeta %s no existe.</translation>
    </message>
    <message>
        <source>%s could not be written (the folder may be read-only or full).</source>
        <translation>No se pudo escribir %s (la carpeta puede ser de solo lectura o estar llena).</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a number.</source>
        <translation>«%s» no es un número.</translation>
    </message>
    <message>
        <source>Marked: %s s to %s s (%s s)</source>
        <translation>Marcado: de %s s a %s s (%s s)</translation>
    </message>
    <message>
        <source>Notes: %s</source>
        <translation>Notas: %s</translation>
    </message>
    <message>
        <source>To begin, create a client, open a recording, or open the demo register.</source>
        <translation>Para empezar, cree un cliente, abra una grabación o abra el registro de demostración.</translation>
    </message>
    <message>
        <source>%s: open one of the recordings, or record a new one.</source>
        <translation>%s: abra una de las grabaciones o grabe una nueva.</translation>
    </message>
    <message>
        <source>The new file is empty: record it now.</source>
        <translation>El archivo nuevo está vacío: grábelo ahora.</translation>
    </message>
    <message>
        <source>Choose what to show: a display of the Analysis menu or of the tool bar.</source>
        <translation>Elija qué mostrar: una presentación del menú Análisis o de la barra de herramientas.</translation>
    </message>
    <message>
        <source>Input: %s dBFS</source>
        <translation>Entrada: %s dBFS</translation>
    </message>
    <message>
        <source>Clipping!</source>
        <translation>¡Saturación!</translation>
    </message>
    <message>
        <source>Can´t Open Waveform Output Channel!</source>
        <translation>¡No se puede abrir el canal de salida de audio!</translation>
    </message>
    <message>
        <source>Error Playing Sound File!</source>
        <translation>¡Error al reproducir el archivo de sonido!</translation>
    </message>
    <message>
        <source>File types are different
Select a Vocal Quality File!</source>
        <translation>Los tipos de archivo son diferentes
¡Seleccione un archivo de calidad vocal!</translation>
    </message>
    <message>
        <source>File types are different
Select a Voice Analysis File!</source>
        <translation>Los tipos de archivo son diferentes
¡Seleccione un archivo de análisis de voz!</translation>
    </message>
    <message>
        <source>Error saving File as a Model!</source>
        <translation>¡Error al guardar el archivo como modelo!</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%s is too short for the clinical measures: it lasts %s s, and they need a vowel of at least %s s.</source>
        <translation>%s es demasiado corto para las medidas clínicas: dura %s s, y necesitan una vocal de al menos %s s.</translation>
    </message>
    <message>
        <source>%s is silent: there is no voice to measure.</source>
        <translation>%s está en silencio: no hay voz que medir.</translation>
    </message>
    <message>
        <source>%s holds no periodic voice: the clinical measures need a sustained vowel.</source>
        <translation>%s no contiene voz periódica: las medidas clínicas necesitan una vocal sostenida.</translation>
    </message>
    <message>
        <source>No voiced speech was found in %s.</source>
        <translation>No se encontró habla sonora en %s.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>SpectrumSettings</name>
    <message>
        <source>Rectangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Hamming</source>
        <translation>Hamming</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Ventana:</translation>
    </message>
    <message>
        <source>Configure Power Spectrum</source>
        <translation>Configurar espectro de potencia</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>Espectro de potencia</translation>
    </message>
    <message>
        <source>FFT Size:</source>
        <translation>Tamaño de la FFT:</translation>
    </message>
    <message>
        <source>Configure LPC Spectrum</source>
        <translation>Configurar espectro LPC</translation>
    </message>
    <message>
        <source>LPC</source>
        <translation>LPC</translation>
    </message>
    <message>
        <source>LPC Order:</source>
        <translation>Orden del LPC:</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Acoustic assessment of the voice</source>
        <translation>Evaluación acústica de la voz</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>sonarel::app::AdapterSettingsDialog</name>
    <message>
        <source>Andrea PureAudio USB Settings</source>
        <translation>Configuración de Andrea PureAudio USB</translation>
    </message>
    <message>
        <source>The USB adapter is connected and in use</source>
        <translation>El adaptador USB está conectado y en uso</translation>
    </message>
    <message>
        <source>Don´t use Filter</source>
        <translation>No usar filtro</translation>
    </message>
    <message>
        <source>Low Noise Reduction Filter</source>
        <translation>Filtro de reducción de ruido bajo</translation>
    </message>
    <message>
        <source>Middle Noise Reduction Filter</source>
        <translation>Filtro de reducción de ruido medio</translation>
    </message>
    <message>
        <source>High Noise Reduction Filter</source>
        <translation>Filtro de reducción de ruido alto</translation>
    </message>
    <message>
        <source>Don´t use gain</source>
        <translation>No usar ganancia</translation>
    </message>
    <message>
        <source>5 dB Gain</source>
        <translation>Ganancia de 5 dB</translation>
    </message>
    <message>
        <source>10 dB Gain</source>
        <translation>Ganancia de 10 dB</translation>
    </message>
    <message>
        <source>15 dB Gain</source>
        <translation>Ganancia de 15 dB</translation>
    </message>
    <message>
        <source>Noise Reduction:</source>
        <translation>Reducción de ruido:</translation>
    </message>
    <message>
        <source>Input Gain:</source>
        <translation>Ganancia de entrada:</translation>
    </message>
</context>
<context>
    <name>sonarel::app::AmplifyDialog</name>
    <message>
        <source>Amplify Volume</source>
        <translation>Amplificar volumen</translation>
    </message>
    <message>
        <source>Magnitude: </source>
        <translation>Magnitud: </translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>sonarel::app::BoxPrompt</name>
    <message>
        <source>Save Changes?</source>
        <translation>¿Guardar cambios?</translation>
    </message>
    <message>
        <source>Save this File</source>
        <translation>Guardar este archivo</translation>
    </message>
    <message>
        <source>Save as new File</source>
        <translation>Guardar como archivo nuevo</translation>
    </message>
    <message>
        <source>Don´t save</source>
        <translation>No guardar</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CRemoverFollowUp</name>
    <message>
        <source>Remove Sound File</source>
        <translation>Quitar archivo de sonido</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CConfGravar</name>
    <message>
        <source>Configure Record...</source>
        <translation>Configurar grabación...</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Line Input</source>
        <translation>Entrada de línea</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CConfVogal</name>
    <message>
        <source>Vowel Space</source>
        <translation>Espacio vocálico</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>IPA</source>
        <translation>AFI</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>F1 (Hz)</source>
        <translation>F1 (Hz)</translation>
    </message>
    <message>
        <source>F2 (Hz)</source>
        <translation>F2 (Hz)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CGravacao</name>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Wait, Calibrating...</source>
        <translation>Espere, calibrando...</translation>
    </message>
    <message>
        <source>Size %1 s</source>
        <translation>Tamaño %1 s</translation>
    </message>
    <message>
        <source>Pos. %1 s</source>
        <translation>Pos. %1 s</translation>
    </message>
    <message>
        <source>Rate: %1Hz</source>
        <translation>Frecuencia: %1Hz</translation>
    </message>
    <message>
        <source>Max %1 s</source>
        <translation>Máx. %1 s</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CConverter</name>
    <message>
        <source>Convert File</source>
        <translation>Convertir archivo</translation>
    </message>
    <message>
        <source>Warning: The sound file to be imported had an audio format different from the needed!  Do you want to convert it?</source>
        <translation>Aviso: ¡el archivo de sonido a importar tiene un formato de audio distinto del necesario!  ¿Desea convertirlo?</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Stereo to Mono</source>
        <translation>Estéreo a mono</translation>
    </message>
    <message>
        <source>Left channel</source>
        <translation>Canal izquierdo</translation>
    </message>
    <message>
        <source>Right channel</source>
        <translation>Canal derecho</translation>
    </message>
    <message>
        <source>Mix Channel</source>
        <translation>Mezclar canales</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CMainFrame</name>
    <message>
        <source>Sound Files (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.aifc);;All Files (*)</source>
        <translation>Archivos de sonido (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.aifc);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Convirtiendo %1...</translation>
    </message>
    <message>
        <source>Sonarel</source>
        <translation>Sonarel</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Open a sound file to begin (Client &gt; Open... or drop a file here).</source>
        <translation>Abra un archivo de sonido para empezar (Cliente &gt; Abrir... o arrastre un archivo hasta aquí).</translation>
    </message>
    <message>
        <source>vocal quality</source>
        <translation>calidad vocal</translation>
    </message>
    <message>
        <source>voice analysis</source>
        <translation>análisis de voz</translation>
    </message>
    <message>
        <source>%1 — %2 Hz, %3 s, %4</source>
        <translation>%1 — %2 Hz, %3 s, %4</translation>
    </message>
    <message>
        <source>%1 s to %2 s%3</source>
        <translation>de %1 s a %2 s%3</translation>
    </message>
    <message>
        <source> (zoomed)</source>
        <translation> (ampliado)</translation>
    </message>
    <message>
        <source>Analysing the recording...</source>
        <translation>Analizando la grabación...</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Archivo de texto (*.txt)</translation>
    </message>
    <message>
        <source>Sonarel %1
Acoustic assessment of the voice.</source>
        <translation>Sonarel %1
Evaluación acústica de la voz.</translation>
    </message>
    <message>
        <source>Sound File (*.wav)</source>
        <translation>Archivo de sonido (*.wav)</translation>
    </message>
    <message>
        <source>New %1 file %2 for %3: ready to record.</source>
        <translation>Nuevo archivo de %1 número %2 para %3: listo para grabar.</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Informe escrito en %1</translation>
    </message>
    <message>
        <source>Sound Files (*.wav)</source>
        <translation>Archivos de sonido (*.wav)</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ClientDialog</name>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Hombre</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Singer</source>
        <translation>Cantante</translation>
    </message>
    <message>
        <source>MM  /  DD  /   YYYY</source>
        <translation>MM  /  DD  /   AAAA</translation>
    </message>
    <message>
        <source>YYYY  /  MM  /  DD</source>
        <translation>AAAA  /  MM  /  DD</translation>
    </message>
    <message>
        <source>DD  /  MM  /   YYYY</source>
        <translation>DD  /  MM  /   AAAA</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Teléfono particular</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modificar</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ClientListDialog</name>
    <message>
        <source>Select a Client</source>
        <translation>Seleccionar un cliente</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Personal Information....</source>
        <translation>Datos personales....</translation>
    </message>
    <message>
        <source>Delete Client</source>
        <translation>Eliminar cliente</translation>
    </message>
    <message>
        <source>Open Files...</source>
        <translation>Abrir archivos...</translation>
    </message>
    <message>
        <source>New Client</source>
        <translation>Cliente nuevo</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Client Name</source>
        <translation>Nombre del cliente</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ConfigureF0Dialog</name>
    <message>
        <source>Configure F0</source>
        <translation>Configurar F0</translation>
    </message>
    <message>
        <source>F0 Range</source>
        <translation>Rango de F0</translation>
    </message>
    <message>
        <source>Low (Hz)</source>
        <translation>Inferior (Hz)</translation>
    </message>
    <message>
        <source>High (Hz)</source>
        <translation>Superior (Hz)</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Silence Threshold (dB)</source>
        <translation>Umbral de silencio (dB)</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ConfigureIntensityDialog</name>
    <message>
        <source>Configure Intensity</source>
        <translation>Configurar intensidad</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Low Limit</source>
        <translation>Límite inferior</translation>
    </message>
    <message>
        <source>High Limit</source>
        <translation>Límite superior</translation>
    </message>
</context>
<context>
    <name>sonarel::app::FilesDialog</name>
    <message>
        <source>%1 - Files</source>
        <translation>%1 - Archivos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Edit Notes</source>
        <translation>Editar notas</translation>
    </message>
    <message>
        <source>Sent to Backup</source>
        <translation>Enviado a la copia de seguridad</translation>
    </message>
    <message>
        <source>Vocal Quality</source>
        <translation>Calidad vocal</translation>
    </message>
    <message>
        <source>Voice Analysis</source>
        <translation>Análisis de voz</translation>
    </message>
</context>
<context>
    <name>sonarel::app::HelpWindow</name>
    <message>
        <source>Sonarel Help</source>
        <translation>Ayuda de Sonarel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
</context>
<context>
    <name>sonarel::app::NoticeDialog</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>don´t show this message again</source>
        <translation>no volver a mostrar este mensaje</translation>
    </message>
</context>
<context>
    <name>sonarel::app::SoundFileDialog</name>
    <message>
        <source>Sound File</source>
        <translation>Archivo de sonido</translation>
    </message>
    <message>
        <source>Voice Analysis</source>
        <translation>Análisis de voz</translation>
    </message>
    <message>
        <source>Vocal Quality</source>
        <translation>Calidad vocal</translation>
    </message>
    <message>
        <source>Which kind of file do you want to record?</source>
        <translation>¿Qué tipo de archivo desea grabar?</translation>
    </message>
</context>
<context>
    <name>sonarel::noted::NotesWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1.</source>
        <translation type="vanished">No se pudieron guardar las notas en %1.</translation>
    </message>
    <message>
        <source>Save the changes to the notes?</source>
        <translation type="vanished">¿Guardar los cambios de las notas?</translation>
    </message>
</context>
<context>
    <name>sonarel::app::BackupWaitWindow</name>
    <message>
        <source>Wait</source>
        <translation>Espere</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CBackup</name>
    <message>
        <source>Copying...</source>
        <translation>Copiando...</translation>
    </message>
    <message>
        <source>decompressing:</source>
        <translation>descomprimiendo:</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Wait:</source>
        <translation>Espere:</translation>
    </message>
    <message>
        <source>Freeing Data...</source>
        <translation>Liberando datos...</translation>
    </message>
    <message>
        <source>Wait, Removing Backup Directory...</source>
        <translation>Espere, eliminando la carpeta de la copia...</translation>
    </message>
    <message>
        <source>Wait, Restoring Files...</source>
        <translation>Espere, restaurando archivos...</translation>
    </message>
    <message>
        <source>Backup/Restore</source>
        <translation>Copia de seguridad/Restaurar</translation>
    </message>
    <message>
        <source>Create Backup...</source>
        <translation>Crear copia de seguridad...</translation>
    </message>
    <message>
        <source>Restore Backup....</source>
        <translation>Restaurar copia de seguridad....</translation>
    </message>
    <message>
        <source>Send to Backup...</source>
        <translation>Enviar a la copia de seguridad...</translation>
    </message>
    <message>
        <source>Attach Files...</source>
        <translation>Recuperar archivos...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Create a security copy of the information of all clients without these data being removed from the system.</source>
        <translation>Crea una copia de seguridad de la información de todos los clientes sin quitar estos datos del sistema.</translation>
    </message>
    <message>
        <source>Copy the chosen clients to a backup and free their recordings from the system, keeping their dates.</source>
        <translation>Copia los clientes elegidos a una copia de seguridad y libera sus grabaciones del sistema, conservando sus fechas.</translation>
    </message>
    <message>
        <source>Restore a security copy of all clients REPLACING all actual data of the system.  </source>
        <translation>Restaura una copia de seguridad de todos los clientes REEMPLAZANDO todos los datos actuales del sistema.  </translation>
    </message>
    <message>
        <source>Bring the files of the chosen clients back from a backup.</source>
        <translation>Trae de vuelta desde una copia de seguridad los archivos de los clientes elegidos.</translation>
    </message>
    <message>
        <source>Select the Clients You want to send to Backup:</source>
        <translation>Elija los clientes que desea enviar a la copia de seguridad:</translation>
    </message>
    <message>
        <source>Select the Target Directory:</source>
        <translation>Elija la carpeta de destino:</translation>
    </message>
    <message>
        <source>Select the Clients You Want to Attach Files:</source>
        <translation>Elija los clientes cuyos archivos desea recuperar:</translation>
    </message>
    <message>
        <source>Select the Source Directory:</source>
        <translation>Elija la carpeta de origen:</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CSelPacBkp</name>
    <message>
        <source>Select a Client</source>
        <translation>Elija un cliente</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Elegir todos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Client´s List</source>
        <translation>Lista de clientes</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>Página %1/%2</translation>
    </message>
    <message>
        <source>Comparison: %1</source>
        <translation>Comparación: %1</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Audio Signal</source>
        <translation>Señal de audio</translation>
    </message>
    <message>
        <source>Fundamental Frequency</source>
        <translation>Frecuencia fundamental</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>F0 and Intensity</source>
        <translation>F0 e intensidad</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>LPC Spectrum</source>
        <translation>Espectro LPC</translation>
    </message>
    <message>
        <source>Histogram (F0)</source>
        <translation>Histograma (F0)</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>Espectro de potencia</translation>
    </message>
    <message>
        <source>LPC and Power Spectrum</source>
        <translation>Espectro LPC y de potencia</translation>
    </message>
    <message>
        <source>Vowel Space</source>
        <translation>Espacio vocálico</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Spectrogram - Amplitude</source>
        <translation>Espectrograma - Amplitud</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram</source>
        <translation>Diagrama de desviación fonatoria</translation>
    </message>
    <message>
        <source>Vocal Analysis Data</source>
        <translation>Datos del análisis vocal</translation>
    </message>
    <message>
        <source>Spectrogram, Intensity e F0</source>
        <translation>Espectrograma, intensidad y F0</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram - Follow up</source>
        <translation>Diagrama de desviación fonatoria - Seguimiento</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Archivo: </translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Provincia:</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>Código postal:</translation>
    </message>
    <message>
        <source>Home Phone:</source>
        <translation>Teléfono particular:</translation>
    </message>
    <message>
        <source>Work Phone:</source>
        <translation>Teléfono del trabajo:</translation>
    </message>
    <message>
        <source>Obs.:</source>
        <translation>Obs.:</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Voice report, file %1</source>
        <translation>Informe de voz, archivo %1</translation>
    </message>
    <message>
        <source>Voice report of %1, file %2</source>
        <translation>Informe de voz de %1, archivo %2</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CImprimir</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Pantallas</translation>
    </message>
    <message>
        <source>Print page number</source>
        <translation>Imprimir número de página</translation>
    </message>
    <message>
        <source>Print sound file in gray scale</source>
        <translation>Imprimir archivo de sonido en escala de grises</translation>
    </message>
</context>
<context>
    <name>F0Method</name>
    <message>
        <source>AutoCorrelation</source>
        <translation>Autocorrelación</translation>
    </message>
    <message>
        <source>CrossCorrelation</source>
        <translation>Correlación cruzada</translation>
    </message>
    <message>
        <source>LPC AutoCorrelation</source>
        <translation>Autocorrelación LPC</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ComparisonBar</name>
    <message>
        <source>Comparison: %1</source>
        <translation>Comparación: %1</translation>
    </message>
</context>
</TS>
